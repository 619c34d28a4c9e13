#include "tests/hardening/Hardening.h"
#include "tests/support/Windows.h"

#include "ui/readings/frmSave.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QUrl>
#include <QUrlQuery>

using namespace hardening;

namespace {

// --- Referral values come back exactly through the address's query.

struct ReferralCase {
    const char* label;
    // As typed into the five boxes; outer spaces are trimmed on the way out.
    const char* name;
    const char* email;
    const char* message;
    const char* friendName;
    const char* friendEmail;
};

class ReferralValues : public ::testing::TestWithParam<ReferralCase> {
protected:
    void TearDown() override { CloseEverything(world.program); }
    TestWorld world;
};

QString TrimmedOfSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

TEST_P(ReferralValues, ComeBackExactlyThroughTheQuery) {
    const ReferralCase& c = GetParam();
    frmExitScreen* screen = ShowExitScreen(world.program);
    const std::pair<const char*, const char*> typed[] = {{"txtName", c.name},
                                                         {"txtEmail", c.email},
                                                         {"txtFriendName", c.friendName},
                                                         {"txtFriendEmail", c.friendEmail}};
    for (const auto& [box, text] : typed)
        Child<QLineEdit>(screen, box)->setText(QString::fromUtf8(text));
    Child<QPlainTextEdit>(screen, "txtMessage")->setPlainText(QString::fromUtf8(c.message));

    Child<QPushButton>(screen, "cmdSubmit")->click();

    ASSERT_TRUE(world.messages.shown.empty()) << world.messages.shown.front().text.toStdString();
    ASSERT_EQ(world.launcher.opened.size(), 1);
    const QString address = world.launcher.opened.front();
    // Already a well-formed address: nothing is left for a browser to guess at.
    const QUrl url(address, QUrl::StrictMode);
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(QString::fromLatin1(url.toEncoded()), address);
    EXPECT_EQ(url.scheme(), "https");
    EXPECT_EQ(url.host(), "www.velmora.example");
    EXPECT_EQ(url.path(), "/parsiva/ssd.php");
    EXPECT_FALSE(url.hasFragment());

    const DecodedQuery query = DecodeQuery(address);
    EXPECT_EQ(query.keys, QStringList({"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    const auto value = [&](const char* key) { return query.values.value(QLatin1String(key)); };
    EXPECT_EQ(value("page"), "qxvs-refer-a-friend");
    EXPECT_EQ(value("taf1"), TrimmedOfSpaces(QString::fromUtf8(c.name)));
    EXPECT_EQ(value("taf2"), TrimmedOfSpaces(QString::fromUtf8(c.email)));
    EXPECT_EQ(value("taf3"), TrimmedOfSpaces(QString::fromUtf8(c.message)));
    EXPECT_EQ(value("taf4"), TrimmedOfSpaces(QString::fromUtf8(c.friendName)));
    EXPECT_EQ(value("taf5"), TrimmedOfSpaces(QString::fromUtf8(c.friendEmail)));
    EXPECT_EQ(value("taf6"), "https://www.velmora.example/parsiva/");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReferralValues,
    ::testing::Values(ReferralCase{"QuerySyntax", "A&B=C", "a+b&c=d@x.example",
                                   "#top ?x=1&y=2 + 100%", "taf1=Mallory&page=home",
                                   "f%41@y.example"},
                      ReferralCase{"PersianLetters", "سارا احمدی", "sara@x.example",
                                   "سلام! این برنامه را ببین.\nبا مهر", "مریم", "maryam@y.example"},
                      // A zero-width non-joiner inside a word, direction marks, and a letter from
                      // beyond the basic plane.
                      ReferralCase{"JoinersMarksAndAstralLetters", "می\u200Cخواهم", "z@x.example",
                                   "\u200Fدرود\u200E 🌙", "Zoë 𝒜", "w@y.example"},
                      ReferralCase{"LineBreaks", "Ann", "ann@x.example", "one\ntwo\n\nthree\n",
                                   "Bob", "bob@y.example"},
                      ReferralCase{"AlreadyPercentEncoded", "%41%42", "%25@x.example", "%%25%zz%",
                                   "%E2%80", "p@y.example"},
                      ReferralCase{"SpacesAndTabs", "  Ann\tLee  ", " ann@x.example ",
                                   "  two  spaces  ", "\tBob", "bob@y.example"},
                      ReferralCase{"AddressLookalikes", "https://evil.example/?a=b", "j@x.example",
                                   "javascript:alert(1)", "file:///etc/passwd", "k@y.example"},
                      ReferralCase{"QuotesAndBrackets", "\"<Ann>\"", "q@x.example", "[]{}|\\^`'",
                                   "O'Neil", "o@y.example"}),
    [](const auto& info) { return std::string(info.param.label); });

// --- The real opener hands on web pages only.

// Stands in for the desktop's handler of every scheme the cases use.
class SchemeRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> handed;
public slots:
    void open(const QUrl& url) { handed.append(url); }
};

const char* const RecordedSchemes[] = {"http",   "https",      "file",       "ftp",
                                       "mailto", "javascript", "data",       "smb",
                                       "",       "x-parsiva",  "https.evil", "vbscript"};

struct LauncherCase {
    const char* label;
    const char* address;
    bool handedOn;
};

class RealLauncher : public ::testing::TestWithParam<LauncherCase> {
protected:
    void SetUp() override {
        for (const char* scheme : RecordedSchemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &recorder, "open");
    }
    void TearDown() override {
        for (const char* scheme : RecordedSchemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    SchemeRecorder recorder;
};

TEST_P(RealLauncher, HandsOnOnlyHttpAndHttps) {
    const LauncherCase& c = GetParam();
    QtLauncher launcher;
    launcher.open(QString::fromUtf8(c.address));
    if (!c.handedOn) {
        EXPECT_TRUE(recorder.handed.isEmpty()) << recorder.handed.front().toString().toStdString();
        return;
    }
    ASSERT_EQ(recorder.handed.size(), 1);
    EXPECT_EQ(recorder.handed.front(), QUrl(QString::fromUtf8(c.address), QUrl::TolerantMode));
    EXPECT_TRUE(recorder.handed.front().scheme() == "http" ||
                recorder.handed.front().scheme() == "https");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RealLauncher,
    ::testing::Values(
        LauncherCase{"Https", "https://www.velmora.example/parsiva/ssd.php?page=home-page", true},
        LauncherCase{"Http", "http://www.velmora.example/", true},
        LauncherCase{"UpperCaseScheme", "HTTPS://WWW.VELMORA.EXAMPLE/", true},
        LauncherCase{"File", "file:///etc/passwd", false},
        LauncherCase{"Javascript", "javascript:alert(1)", false},
        LauncherCase{"Vbscript", "vbscript:msgbox(1)", false},
        LauncherCase{"Mailto", "mailto:ann@x.example", false},
        LauncherCase{"Ftp", "ftp://x.example/", false},
        LauncherCase{"Data", "data:text/html,<script>alert(1)</script>", false},
        LauncherCase{"WindowsShare", "smb://host/share", false},
        LauncherCase{"OwnScheme", "x-parsiva://run", false},
        LauncherCase{"SchemeThatStartsLikeHttps", "https.evil:x", false},
        LauncherCase{"AbsolutePath", "/etc/passwd", false},
        LauncherCase{"HostWithoutScheme", "www.velmora.example", false},
        LauncherCase{"LooksLikeAnOption", "--help", false}, LauncherCase{"Empty", "", false}),
    [](const auto& info) { return std::string(info.param.label); });

// --- The report's links: whatever a name holds, a press opens only web pages.

void PressEverywhere(QTextEdit* box) {
    const int end = box->document()->characterCount() - 1;
    for (int position = 0; position < end; ++position) {
        QTextCursor cursor(box->document());
        cursor.setPosition(position);
        box->setTextCursor(cursor);
        box->ensureCursorVisible();
        const QRect at = box->cursorRect(cursor);
        const QPoint point(at.left() + 2, at.center().y());
        QTest::mousePress(box->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, point);
    }
}

TEST(ReportLinks, APressAnywhereInAReportOfHostileAddressesOpensOnlyWebPages) {
    TestWorld world;
    frmMain* form = OpenMainForm(world.program);
    Child<QLineEdit>(form, "txtName")
        ->setText(QStringLiteral("file:///etc/passwd javascript:alert(1) mailto:a@b.example "
                                 "ftp://x.example www.evil.example HTTPS://Loud.example "
                                 "data:text/html,x \"https://q.example\"<b>"));
    form->Proceed();
    DeleteClosedWindows();
    frmIranianAstrologyResult* result = TheOnly<frmIranianAstrologyResult>();
    ASSERT_NE(result, nullptr);
    auto* report = new frmSave(world.program, *result, result->resultCaptions());
    world.program.adoptWindow(report);
    report->show();

    PressEverywhere(report->richTextBox());

    ASSERT_FALSE(world.launcher.opened.isEmpty());
    QStringList distinct;
    for (const QString& address : world.launcher.opened) {
        const QString scheme = QUrl(address).scheme();
        EXPECT_TRUE(scheme == "http" || scheme == "https") << address.toStdString();
        if (!distinct.contains(address))
            distinct << address;
    }
    distinct.sort();
    EXPECT_EQ(distinct, QStringList({"HTTPS://Loud.example", "http://www.evil.example",
                                     "https://q.example", "https://www.velmora.example"}));
    CloseEverything(world.program);
}

} // namespace

#include "test_hostile_addresses.moc"

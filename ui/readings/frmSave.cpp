#include "ui/readings/frmSave.h"

#include "ui_frmSave.h"

#include "core/readings/ReportBlocks.h"
#include "ui/base/Program.h"
#include "ui/base/ProgramFonts.h"
#include "ui/base/PromoStrip.h"
#include "ui/base/UiText.h"
#include "ui/base/WebLinks.h"
#include "ui/base/WindowFit.h"
#include "ui/readings/ReadingActions.h"
#include "ui/readings/RichTextLinks.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextOption>

frmSave::frmSave(Program& program, QWidget& resultForm, const parsiva::ResultCaptions& captions)
    : QDialog(&resultForm), m_program(program), m_captions(captions),
      ui(std::make_unique<Ui::frmSave>()) {
    UseProgramFonts(program, *this);
    ui->setupUi(this);
    setWindowTitle(ShownWindowCaption());
    ui->fraFullBrand->followInTabOrder(ui->Label61);

    QFont base = WithProgramFonts(program, QFont(ToQString(parsiva::ReportFontFamily)));
    base.setPointSizeF(parsiva::ReportFontPointSize);
    ui->RTB->setFont(base);
    // The report is a page, as it will be printed: its own colours on white, whatever the desktop.
    QPalette page = ui->RTB->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    ui->RTB->setPalette(page);
    // A right-to-left interface reads the whole report right to left, on screen and on paper,
    // whatever script a line starts with.
    if (isRightToLeft()) {
        QTextOption option = ui->RTB->document()->defaultTextOption();
        option.setTextDirection(Qt::RightToLeft);
        ui->RTB->document()->setDefaultTextOption(option);
    }
    // Every mouse event over the box empties the clipboard, so Copy could never work there.
    ui->RTB->setContextMenuPolicy(Qt::PreventContextMenu);
    // Every movement over the box counts, not only drags.
    ui->RTB->viewport()->setMouseTracking(true);
    ui->RTB->viewport()->installEventFilter(this);

    connect(ui->cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(ui->RTB, &QTextEdit::textChanged, this, &frmSave::RTB_Change);
    new WebLinks(program, this, {.Label61 = ui->Label61, .fraFullBrand = ui->fraFullBrand});

    Form_Load();
    FitWindowToTexts(*this);
}

frmSave::~frmSave() {
    Form_Unload();
}

QTextEdit* frmSave::richTextBox() const {
    return ui->RTB;
}

void frmSave::Form_Load() {
    // First, so that the addresses below become links as they arrive.
    HookRichTextLinks(m_program, ui->RTB, this);

    QTextCursor cursor = ui->RTB->textCursor();
    for (const parsiva::ReportRun& run :
         parsiva::ComposeReport(m_program.birthDetails, m_captions, InterfaceWording())) {
        const parsiva::RunLook look = parsiva::LookOf(run.Style);
        QTextCharFormat format;
        format.setFontWeight(look.Bold ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(look.Colour.Red, look.Colour.Green, look.Colour.Blue));
        cursor.insertText(ToQString(run.Text), format);
    }
    ui->RTB->setTextCursor(cursor);
}

void frmSave::Form_Unload() {
    // Only this window's own layer; a newer report window may have installed its own.
    if (m_program.linkHookState.owner == this)
        UnhookRichTextLinks(m_program);
}

void frmSave::done(int result) {
    // Every way of closing a dialog ends here, the close box and Escape included.
    Form_Unload();
    QDialog::done(result);
}

void frmSave::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The box has just scrolled to its caret at the end; the reader starts at the top.
    ui->RTB->verticalScrollBar()->setValue(0);
}

void frmSave::cmdSave_Click() {
    SaveReading(m_program, this);
}

void frmSave::cmdPrint_Click() {
    PrintReport(m_program, *ui->RTB, this);
}

bool frmSave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            RTB_MouseDown();
            break;
        case QEvent::MouseMove:
            RTB_MouseMove();
            break;
        case QEvent::MouseButtonRelease:
            RTB_MouseUp();
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                RTB_Click();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Each of these empties the clipboard, so that nothing copied stays there while the report is
// handled.
void frmSave::RTB_Change() {
    m_program.services.clipboard.clear();
}

void frmSave::RTB_Click() {
    m_program.services.clipboard.clear();
}

void frmSave::RTB_MouseDown() {
    m_program.services.clipboard.clear();
}

void frmSave::RTB_MouseMove() {
    m_program.services.clipboard.clear();
}

void frmSave::RTB_MouseUp() {
    m_program.services.clipboard.clear();
}

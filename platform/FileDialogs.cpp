#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// Qt's own dialog everywhere, so default suffix and filters behave the same on every desktop.
// Every way of choosing (the button, Enter, a double click) ends in accept(), where the
// program's check may refuse the choice and leave the dialog open for another.
class ReadingFileDialog final : public QFileDialog {
public:
    ReadingFileDialog(QWidget* parent, const QString& title, const QString& filter,
                      const ChoiceCheck& check)
        : QFileDialog(parent, title, QString(), filter), m_check(check) {}

    void accept() override {
        const QStringList files = selectedFiles();
        // A folder is entered by the dialog itself, and a missing file to open is its own
        // message.
        if (!files.isEmpty() && m_check && !QFileInfo(files.first()).isDir() &&
            (acceptMode() == AcceptSave || QFileInfo::exists(files.first())) &&
            !m_check(this, files.first()))
            return;
        QFileDialog::accept();
    }

private:
    ChoiceCheck m_check;
};

QString RunDialog(QWidget* parent, const QString& title, const QString& filter,
                  const QString& defaultSuffix, QFileDialog::AcceptMode mode,
                  const ChoiceCheck& check) {
    ReadingFileDialog dialog(parent, title, QtFileDialogs::toQtFilter(filter), check);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

} // namespace

QString QtFileDialogs::toQtFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString description = filter.left(bar).trimmed();
    const QString patterns = QLatin1Char('(') + filter.mid(bar + 1).trimmed() + QLatin1Char(')');
    // A description that already shows its patterns is not given them twice.
    if (description.endsWith(patterns))
        return description;
    return description + QLatin1Char(' ') + patterns;
}

QString QtFileDialogs::getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                       const QString& defaultSuffix, const ChoiceCheck& check) {
    return RunDialog(parent, title, filter, defaultSuffix, QFileDialog::AcceptSave, check);
}

QString QtFileDialogs::getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                       const QString& defaultSuffix, const ChoiceCheck& check) {
    return RunDialog(parent, title, filter, defaultSuffix, QFileDialog::AcceptOpen, check);
}

#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// Qt's own dialog everywhere, so default suffix and filters behave the same on every desktop.
// It refuses what the program must never be handed, and stays open for another choice.
class ReadingFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && !acceptable(QFileInfo(files.first())))
            return;
        QFileDialog::accept();
    }

private:
    bool acceptable(const QFileInfo& chosen) const {
        // A folder is entered by the dialog itself.
        if (chosen.isDir())
            return true;
        if (chosen.exists())
            return chosen.isWritable();
        if (acceptMode() == AcceptOpen)
            return false;
        const QFileInfo folder(chosen.absolutePath());
        return folder.isDir() && folder.isWritable();
    }
};

QString run(QWidget* parent, const QString& title, const QString& filter,
            const QString& defaultSuffix, QFileDialog::AcceptMode mode) {
    ReadingFileDialog dialog(parent, title, QString(), QtFileDialogs::toQtFilter(filter));
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
                                       const QString& defaultSuffix) {
    return run(parent, title, filter, defaultSuffix, QFileDialog::AcceptSave);
}

QString QtFileDialogs::getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                       const QString& defaultSuffix) {
    return run(parent, title, filter, defaultSuffix, QFileDialog::AcceptOpen);
}

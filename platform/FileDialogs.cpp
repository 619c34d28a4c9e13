#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
QString run(QWidget* parent, const QString& title, const QString& filter,
            const QString& defaultSuffix, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, QString(), QtFileDialogs::toQtFilter(filter));
    // Qt's own dialog everywhere, so default suffix and filters behave the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(QString());
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty())
            return {};
        const QFileInfo chosen(files.first());
        const bool writable = chosen.exists() ? chosen.isWritable()
                                              : QFileInfo(chosen.absolutePath()).isWritable();
        // A read-only file or folder is never returned; the dialog asks again.
        if (writable)
            return chosen.absoluteFilePath();
    }
    return {};
}
} // namespace

QString QtFileDialogs::toQtFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1).trimmed() +
           QLatin1Char(')');
}

QString QtFileDialogs::getSaveFileName(QWidget* parent, const QString& title,
                                       const QString& filter, const QString& defaultSuffix) {
    return run(parent, title, filter, defaultSuffix, QFileDialog::AcceptSave);
}

QString QtFileDialogs::getOpenFileName(QWidget* parent, const QString& title,
                                       const QString& filter, const QString& defaultSuffix) {
    return run(parent, title, filter, defaultSuffix, QFileDialog::AcceptOpen);
}

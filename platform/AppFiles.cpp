#include "platform/AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

std::string ApplicationFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

std::string ApplicationFilePath(const std::string& fileName) {
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString name = QString::fromStdString(fileName);
    const QString beside = bin.filePath(name);
    // A build runs from its own folder, where the file lies beside the program; an installed
    // program finds it in its data folder, given relative to the program's folder.
    const QString installedDir = QStringLiteral(APP_INSTALLED_FILES_DIR);
    if (!QFileInfo::exists(beside) && !installedDir.isEmpty()) {
        const QString installed = QDir::cleanPath(bin.filePath(installedDir + "/" + name));
        if (QFileInfo::exists(installed)) return installed.toStdString();
    }
    return beside.toStdString();
}

std::string ApplicationFileURL(const std::string& fileName) {
    const QString path = QString::fromStdString(ApplicationFilePath(fileName));
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded).toStdString();
}

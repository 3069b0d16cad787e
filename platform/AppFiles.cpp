#include "platform/AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

std::string ApplicationFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

std::string ApplicationFileURL(const std::string& fileName) {
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(fileName));
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded).toStdString();
}

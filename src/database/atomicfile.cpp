#include "database/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvero {
namespace {

QString cannotWrite(const QString& path) {
    return QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.")
        .arg(QDir::toNativeSeparators(path));
}

bool writeAll(int fd, QByteArrayView data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, static_cast<size_t>(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

std::expected<void, QString> Datei_atomar_schreiben(const QString& path, QByteArrayView data) {
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    QByteArray tmpl = QFile::encodeName(info.absolutePath() + u'/' + u'.' + info.fileName() +
                                        QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return std::unexpected(cannotWrite(path));
    const bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
    ::fchmod(fd, 0644);
    if (::close(fd) != 0 || !ok ||
        ::rename(tmpl.constData(), QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        ::unlink(tmpl.constData());
        return std::unexpected(cannotWrite(path));
    }
    // The rename itself reaches the disk with the folder.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

std::expected<QByteArray, QString> Datei_lesen(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::unexpected(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.")
                                   .arg(QDir::toNativeSeparators(path)));
    return file.readAll();
}

Datenordner_Sperre::Datenordner_Sperre(const QString& folder)
    : lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral(".talvero.lock")))) {
    lock_->setStaleLockTime(30000);
    locked_ = lock_->tryLock(5000);
}

QString Datenordner_Sperre::Meldungstext() {
    return QStringLiteral("Die Daten werden gerade von einem anderen Talvero-Programm "
                          "bearbeitet. Bitte versuchen Sie es gleich noch einmal.");
}

} // namespace talvero

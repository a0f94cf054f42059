#include "platform/Resources.h"

#include <QHash>

namespace {

QString& currentRoot() {
    static QString root = QStringLiteral(":/images");
    return root;
}

// Pictures compiled into the program never change while it runs, so each is
// decoded once however many windows and toolbar items ask for it.
QImage compiledIn(const QString& path) {
    static QHash<QString, QImage> decoded;
    if (const auto found = decoded.constFind(path); found != decoded.cend())
        return *found;
    QImage image(path);
    if (!image.isNull())
        decoded.insert(path, image);
    return image;
}

} // namespace

QImage Resources::image(const QString& name, const QString& type) {
    if (name.isEmpty())
        return QImage();
    const QString file = path(name, type);
    return file.startsWith(u':') ? compiledIn(file) : QImage(file);
}

QString Resources::path(const QString& name, const QString& type) {
    QString file = currentRoot() + u'/' + name;
    if (!type.isEmpty())
        file += u'.' + type;
    return file;
}

void Resources::setRoot(const QString& root) {
    currentRoot() = root;
}

QString Resources::root() {
    return currentRoot();
}

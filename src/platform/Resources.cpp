#include "platform/Resources.h"

namespace {

QString& currentRoot() {
    static QString root = QStringLiteral(":/images");
    return root;
}

} // namespace

QImage Resources::image(const QString& name, const QString& type) {
    if (name.isEmpty())
        return QImage();
    return QImage(path(name, type));
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

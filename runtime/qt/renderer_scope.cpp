#include "runtime/qt/renderer_scope.h"

#include <QObject>
#include <QPointer>
#include <vector>

namespace rt::qt {
namespace {
int depth = 0;
std::vector<QPointer<QObject>>& waiting() {
    static std::vector<QPointer<QObject>> objects;
    return objects;
}
}  // namespace

HandlerScope::HandlerScope() {
    ++depth;
}

HandlerScope::~HandlerScope() {
    if (--depth > 0) return;
    auto objects = std::move(waiting());
    waiting().clear();
    for (QPointer<QObject>& o : objects)
        if (o) o->deleteLater();
}

void disposeLater(QObject* object) {
    if (depth == 0)
        object->deleteLater();
    else
        waiting().emplace_back(object);
}

}  // namespace rt::qt

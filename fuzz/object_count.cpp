// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/object_count.h"

#include <QObject>
#include <QtGlobal>
#include <atomic>

// Qt's table of hooks for tools, declared in a header Qt does not install. Its entries are
// fixed: a version, its size, Qt's version, then the hooks for a QObject made and destroyed.
QT_BEGIN_NAMESPACE
extern Q_CORE_EXPORT quintptr qtHookData[];
QT_END_NAMESPACE

namespace velomark::fuzz {

namespace {

constexpr int kHookDataSize = 1;
constexpr int kAddObject = 3;
constexpr int kRemoveObject = 4;

using ObjectHook = void (*)(QObject*);

std::atomic<std::int64_t> live{0};
ObjectHook earlierAdd = nullptr;
ObjectHook earlierRemove = nullptr;

void ObjectMade(QObject* object) {
    ++live;
    if (earlierAdd) earlierAdd(object);
}

void ObjectDestroyed(QObject* object) {
    --live;
    if (earlierRemove) earlierRemove(object);
}

}  // namespace

bool StartCountingObjects() {
    if (qtHookData[kHookDataSize] <= kRemoveObject) return false;
    if (qtHookData[kAddObject] == reinterpret_cast<quintptr>(&ObjectMade)) return true;
    // Whatever tool hooked in first still hears of every object.
    earlierAdd = reinterpret_cast<ObjectHook>(qtHookData[kAddObject]);
    earlierRemove = reinterpret_cast<ObjectHook>(qtHookData[kRemoveObject]);
    qtHookData[kAddObject] = reinterpret_cast<quintptr>(&ObjectMade);
    qtHookData[kRemoveObject] = reinterpret_cast<quintptr>(&ObjectDestroyed);
    return true;
}

std::int64_t LiveObjects() {
    return live.load();
}

}  // namespace velomark::fuzz

#include "framework/beep.h"

#include <QApplication>

namespace fw {
namespace {

std::int64_t beeps = 0;

}  // namespace

void Beep() {
    ++beeps;
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QApplication::beep();
    }
}

std::int64_t BeepCount() {
    return beeps;
}

}  // namespace fw

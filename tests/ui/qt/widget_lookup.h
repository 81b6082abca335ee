#pragma once

#include <QObject>
#include <QtGlobal>

namespace tarnex::ui::testing {

/// The child widget of `parent` with the object name `name`; a missing widget ends the test.
template <typename W>
W* FindWidget(QObject* parent, const char* name) {
    W* widget = parent->findChild<W*>(name);
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
}

}  // namespace tarnex::ui::testing

#pragma once

#include <QEvent>
#include <QVariant>

namespace fw {

// A text widget that takes no edit (read-only or disabled) keeps input
// methods out: Qt's line and plain-text edits would otherwise take what an
// input method commits (a dead key and a letter, a compose sequence) even
// when read-only, and asking no input method to compose keeps the keys
// plain.
template <class Edit>
class InputMethodGate : public Edit {
  protected:
    bool Editable() const { return this->isEnabled() && !this->isReadOnly(); }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::InputMethod && !Editable()) {
            event->accept();
            return true;
        }
        return Edit::event(event);
    }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
        if (query == Qt::ImEnabled && !Editable()) {
            return false;
        }
        return Edit::inputMethodQuery(query);
    }
};

}  // namespace fw

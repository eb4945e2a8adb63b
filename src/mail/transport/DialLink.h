#pragma once

#include <QObject>

// What the transport needs of a dial-up link: Dial before a connection is
// opened (returns at once when a link exists or none is chosen, raises its own
// exceptions on failure) and Release after it is closed (hangs up only a link
// the component dialled itself).
class TagDialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Makes sure a dial-up link exists, dialling when one is chosen and down.
    virtual void Dial() = 0;
    // Hangs up a link this component dialled; otherwise nothing.
    virtual void Release() = 0;
};

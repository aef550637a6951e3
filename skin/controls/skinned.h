#pragma once

#include "skin/core/controlkind.h"
#include "skin/core/skinmessage.h"
#include "skin/core/tscommondata.h"

#include <QEvent>
#include <QWidget>

// Whether a control keeps its painted image between paints. A page is drawn from its page
// control's image and a radio button paints afresh each time, so neither keeps one.
enum class CacheBitmap { Kept, NotKept };

// What every skinned control adds to the framework control it extends: skin data of its kind,
// with the section of that kind, that sees the skin messages before the framework control does.
// What the control does not paint itself from the skin, the framework control paints as usual.
//
// A control is one small Q_OBJECT class over this, which gives it the class name that skins and
// inherits() know it by:
//     class TsButton : public Skinned<TsButton, QPushButton, ControlKind::Button> { Q_OBJECT ... };
template <class Control, class Base, ControlKind Kind, CacheBitmap Cache = CacheBitmap::Kept>
class Skinned : public Base {
public:
    explicit Skinned(QWidget* parent = nullptr) : Base(parent), SkinData(this, Cache == CacheBitmap::Kept)
    {
        SkinData.setControlKind(Kind);
        // While this base is built, metaObject() does not name the control's class yet.
        SkinData.updateSection(&Control::staticMetaObject);
    }
    ~Skinned() override { SkinData.setOwnerDestroying(); }

    TsCommonData SkinData;

protected:
    bool event(QEvent* event) override { return SkinData.handleMessage(event) || Base::event(event); }

    // The handling of `e` for a control that paints from a cache of its own: after the skin data and
    // the framework control, a cache a caller asked to have prepared is rebuilt by
    // `rebuildIfActive`, and a new or removed skin repaints the control.
    template <class Rebuild>
    bool handleWithCache(QEvent* e, Rebuild rebuildIfActive)
    {
        const unsigned message = skinMessageOf(e);
        const bool handled = Skinned::event(e);
        if (message == SKM_PREPARECACHE && SkinData.cachePreparedByCaller())
            rebuildIfActive();
        if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
            this->update();
        return handled;
    }

    // Gives a property the control's look shows its new value; only a change rebuilds the cache.
    // True when the value changed.
    template <class Value>
    bool setLookProperty(Value& property, const Value& value)
    {
        if (property == value)
            return false;
        property = value;
        SkinData.invalidate();
        return true;
    }
};

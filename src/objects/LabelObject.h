#pragma once

#include "LumGraphicControl.h"

// The base of the three label kinds (text label, rich-text label,
// special-effect text): the one path every setter of theirs takes. A setter
// hands ChangeLook the field of its look, a value the property accepts and
// what a change needs besides storing it (a new layout, a repaint): an
// unchanged value does nothing; a changed one is stored, followed up and
// told to the panel exactly once, however often the follow-up resized the
// object, and not at all while the object is being read.
class TLabelObject : public TLumGraphicControl
{
protected:
    template <class T, class After> bool ChangeLook(T &Field, const T &Value, After Follow)
    {
        if (Field == Value)
            return false;
        LookChanged([&] {
            Field = Value;
            Follow();
        });
        return true;
    }

    // Runs Change, which changes the look, and tells the panel once.
    template <class Change> void LookChanged(Change Apply)
    {
        const TNoticeBatch batch(*this);
        Apply();
        if (!Reading())
            NotifyLabelChanged();
    }
};

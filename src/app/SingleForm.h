#pragma once

#include "FormRegistry.h"

// Gives a screen class T (with `static constexpr int FormNumber` and a
// `load()` method) the "created when first touched" behaviour: instance()
// creates the screen and runs its load handler when it is not open.
template <class T>
class SingleForm
{
public:
    static T *existing() { return static_cast<T *>(FormRegistry::open(T::FormNumber)); }

    static T *instance()
    {
        if (T *form = existing())
            return form;
        T *form = new T;
        FormRegistry::add(T::FormNumber, form);
        form->load();
        return form;
    }

protected:
    SingleForm() = default;
};

#pragma once

#include "ScreenRegistry.h"

// Gives a screen class T (with `static constexpr int ScreenNumber` and a
// `load()` method) the "created when first touched" behaviour: instance()
// creates the screen and runs its load handler when it is not open.
template <class T>
class SingleScreen
{
public:
    static T *existing() { return static_cast<T *>(ScreenRegistry::open(T::ScreenNumber)); }

    static T *instance()
    {
        if (T *screen = existing())
            return screen;
        T *screen = new T;
        ScreenRegistry::add(T::ScreenNumber, screen);
        screen->load();
        return screen;
    }

protected:
    SingleScreen() = default;
};

#pragma once

#include "ScreenRegistry.h"

#include <functional>

// Gives a screen class T (with `static constexpr int ScreenNumber` and a
// `load()` method) the "created when first touched" behaviour: instance()
// creates the screen and runs its load handler when it is not open. Where
// the program is assembled, a hook gives each new screen what it needs and
// connects its signals before it loads.
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
        if (s_created)
            s_created(*screen);
        ScreenRegistry::add(T::ScreenNumber, screen);
        screen->load();
        return screen;
    }

    static void setCreatedHook(std::function<void(T &)> hook) { s_created = std::move(hook); }

protected:
    SingleScreen() = default;

private:
    static inline std::function<void(T &)> s_created;
};

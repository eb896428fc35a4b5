#pragma once

#include "MainScreen.h"
#include "SingleForm.h"

// The challenge screen.
class Form3 : public MainScreen, public SingleForm<Form3>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 3;

    Form3();
    void load();

protected:
    void exitMenuChosen() override;
};

#include "Form3.h"

#include "Module1.h"

Form3::Form3()
    : MainScreen(QStringLiteral("Form3"), QStringLiteral("Plumeno-挑戦-"), 4680, 3225)
{
}

void Form3::load()
{
    Module1::ApplyColors(objectName());
}

void Form3::exitMenuChosen()
{
    Module1::ExitApplication();
}

#include "SharedState.h"

SharedState &sharedState()
{
    static SharedState state;
    return state;
}

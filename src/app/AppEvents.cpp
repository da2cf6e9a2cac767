#include "app/AppEvents.h"

TAppEvents &TAppEvents::Instance()
{
    static TAppEvents events;
    return events;
}

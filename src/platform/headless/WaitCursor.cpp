// CWaitCursor over the headless world: counted while it shows.
#include "framework/WaitCursor.h"
#include "platform/headless/HeadlessWorld.h"

CWaitCursor::CWaitCursor() {
    HeadlessWorld& world = HeadlessWorld::Current();
    ++world.waitCursorShows;
    ++world.waitCursorDepth;
}

CWaitCursor::~CWaitCursor() {
    --HeadlessWorld::Current().waitCursorDepth;
}

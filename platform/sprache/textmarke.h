#pragma once
// Marks a source text for the English catalogue (lupdate finds QT_TRANSLATE_NOOP("Plm1", "...")); in the
// program it is the German text itself. For code without Qt; Qt's own definition is the same.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

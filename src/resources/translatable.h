// The mark of a text the user sees, where it is defined.
//
// PURSO_TEXT(context, text) is the text itself: a constant table stays a
// constant table, and code that reads it gets the program's own English.
// The translation tools know the mark (lupdate's -tr-function-alias makes it
// a QT_TRANSLATE_NOOP), so the text is offered to translators under its
// context; whoever shows it looks it up with Translate(context, text)
// (data/translation.h) in the same context. Both arguments must be string
// literals for the tools to find them.
//
// Contexts name where a text is shown: a dialog's resource and its logic
// share one ("CategoriesDialog"), a family of messages has its own
// ("SaveFailure").
#pragma once

#define PURSO_TEXT(context, text) text

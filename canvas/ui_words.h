#pragma once
// The user-visible texts of the windows: Words::tr("...") with the Russian
// text (UTF-8) gives it in the interface language. All texts of the program
// share one translation context, "mapeditor", with those of the layers
// without a toolkit (support/phrase.h), so one Russian text has one English
// text everywhere.

#include <QCoreApplication>

struct Words {
    Q_DECLARE_TR_FUNCTIONS(mapeditor)
};

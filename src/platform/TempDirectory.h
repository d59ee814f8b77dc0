#pragma once

#include <QString>

// The temporary directory as the system reports it, ending in a separator;
// empty when the system gives none.
QString temp_directoryPath();

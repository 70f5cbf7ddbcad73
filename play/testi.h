// The fixed texts of the window. CR breaks a line inside a label caption;
// CR LF ends every line of the log and of the help text.
#pragma once

#include <QString>

namespace mappix {

QString TestoInformazioni();
QString TestoAiuto();

}  // namespace mappix

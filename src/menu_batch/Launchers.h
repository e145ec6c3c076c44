#pragma once
#include <QString>

// The main menu's launchers of sibling programs.
namespace vorna::menu_batch {

inline const QString SiblingProgramFile = QStringLiteral("PLOVEN.EXE");

// The quotation-spreadsheet program's window is not part of this program: the
// message that it was not found, with the support address.
QString quotationProgramMissingText();
void OpenQuotationSpreadsheets();

// Starts PLOVEN.EXE of the executable's folder and returns at once; a missing
// or unstartable program file is told in a box.
void StartSiblingProgram();

}  // namespace vorna::menu_batch

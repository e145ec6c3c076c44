#pragma once

// The level and right checks that open "Gravar" and "Excluir" of the client,
// participant and event windows. Each refusal shows its own box.
namespace vorna {

// A third-level user only consults; the others need the right to alter (a
// shown record) or to add.
bool mayStoreRecord(bool altering);
// The deletion right, and the first level alone.
bool mayDeleteRecord();

}  // namespace vorna

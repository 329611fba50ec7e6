#pragma once

// The operations the operator starts on the board.

// Sends the ten rows ("SEND="), then the controller settings ("SETS="), then reads everything
// back ("READ=") and compares; reports "Sent OK", "Data error" or "Connection error".
// Refused quietly while an upload or a read-back runs.
void Upload_Values();

// Reads the board's values and controller settings ("READ=") and applies them; when the board
// cannot be read, reloads the rows from the data file and the controller settings from the
// settings file. Inside an upload it only verifies.
void Read_Values();

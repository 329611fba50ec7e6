#pragma once

class TForm1;

// Connects the ten value edits and the ten row check boxes of the main window to their handlers:
// every change of an edit's text is fitted, every change of a check box applies the row's enable
// state, and the edits report the characters typed and the clicks into them.
void Connect_Row_Entry(TForm1* form);

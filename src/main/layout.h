#pragma once

class TForm1;

// Runs the layout pass of the main window on every change of its size, its first showing included.
void Connect_Layout(TForm1* form);

#pragma once

#include <QString>
#include <array>
#include <functional>

#include "link/board_link.h"

class TForm1;
class TForm2;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;

// The process-wide state of the program: the flags that keep handlers from saving, sending or
// re-laying out at the wrong moment, the shared texts of the board operations, the settings
// kept in memory, the board link, and the windows. There is one App for the process.
struct App {
    // Flags
    bool Starting = false;             // from the main window's creation to the end of the start-up step
    bool Settings_Loading = false;     // while a settings loader runs
    bool Closing = false;              // set when the main window has saved on closing
    bool Upload_Chain_Active = false;  // from the board's acceptance of the values to the end of verifying
    bool Reading_In_Progress = false;  // while a read-back runs
    bool Settings_Sending = false;     // while the controller settings line is built and sent
    bool Port_Found = false;           // result of the latest port search
    bool Test_Mode = false;            // set once the test dialog has been shown
    bool Upload_Running = false;       // while an upload runs; a second one is refused

    // Files
    QString Program_Dir;  // the program's folder, with its trailing separator
    QString Data_File_Name = QStringLiteral("Tablo_data.tbl");

    // Times of the automatic schedule, "hh:mm:ss"
    QString Morning_Time = QStringLiteral("00:00:00");
    QString Evening_Time = QStringLiteral("00:00:00");
    QString OFF_Time = QStringLiteral("00:00:00");
    QString ON_Time = QStringLiteral("00:00:00");

    // Board content: Board_Fields 1 to 32 of the latest read answer; 1 to 10 are the row values.
    std::array<QString, 33> Board_Fields;
    QString& Board_Value(int row) { return Board_Fields[row]; }
    int Digit_Count = 3;
    QString Last_Key;
    bool Fit_Guard = false;
    QString Fit_Previous;  // the previous value that the last row fitting used

    // Data file texts of the latest and the previous load
    QString Data_Text;
    QString Last_Data_Text;

    // Sends the row values to the board; the data file load calls it when its content changed.
    std::function<void()> Upload_Values;

    // Upload verification
    QString Sent_Values_Text;
    QString Read_Back_Text;

    // Settings held in memory
    QString Port_Number = QStringLiteral("COM1");
    QString Baud_Text = QStringLiteral("9600");
    QString Parity_Text = QStringLiteral("None");
    int Auto_Load_Intvl = 5000;
    bool Send_If_Changed = false;
    int Attempts = 1;
    int Timeout_for_command = 1000;

    Board_Link link;

    // The windows, created in this order and alive until the program ends.
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm8* Form8 = nullptr;
    TForm9* Form9 = nullptr;
    TForm10* Form10 = nullptr;
    TForm11* Form11 = nullptr;
    TForm12* Form12 = nullptr;
    TForm13* Form13 = nullptr;
};

App& app();

// Starts the process-wide state afresh (tests use it between cases; the windows are not touched).
void Reset_App_State();

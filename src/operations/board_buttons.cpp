// The main window's Write and Read buttons.
#include "core/platform_error.h"
#include "main/rizozido.h"
#include "operations/main_operations.h"

void TForm1::Btn_Send_Click() {
    Run_Handler(Upload_Values);
}

void TForm1::Btn_Read_Click() {
    Run_Handler(Read_Values);
}

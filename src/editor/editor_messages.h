// The puzzle editor's message texts, shown by the UI with the program's title as caption.
#pragma once

constexpr const char* kEditorPutAllFigures = "Please put all figures.";
constexpr const char* kEditorWrongSquareCount =
    "Number of squares must be 60 (12 figures * 5 squares). Please check your task.";
constexpr const char* kEditorAreaNotMultipleOf5 =
    "Area of closed figure must divide to 5. Please check your task.";
constexpr const char* kEditorAreaTooSmall =
    "Value of {Width * Height} must be equal or more than 60.";
constexpr const char* kEditorEnterFileName = "Please enter a file name.";
constexpr const char* kEditorFileExists = "File exist. Overwrite?";
constexpr const char* kEditorErrorOpenForSave = "Error open file for save.";
constexpr const char* kEditorErrorSave = "Error save file.";
constexpr const char* kEditorPuzzleSaved = "New puzzle saved succesfully.";

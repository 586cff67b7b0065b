// The resource numbers of Logoloft's dialogs, controls and commands.
#pragma once

namespace logoloft {

// Dialogs.
constexpr int kIddAbout = 100;
constexpr int kIddMain = 102;
constexpr int kIddUpload = 130;
constexpr int kIddPrint = 131;
constexpr int kIddResolution = 135;

// The About item of the system menu, and the string resource holding its text.
constexpr int kIdmAbout = 16;
constexpr int kIdsAbout = 101;

// Main window: logo list and buttons.
constexpr int kIdcExit = 1;
constexpr int kIdcPortSetting = 1003;
constexpr int kIdcLogoList = 1005;
constexpr int kIdcListFooter = 1006;
constexpr int kIdcOpenFile = 1008;
constexpr int kIdcRemove = 1009;
constexpr int kIdcReset = 1010;
constexpr int kIdcDownload = 1011;
constexpr int kIdcPrint = 1013;
constexpr int kIdcSourceFrame = 1085;
constexpr int kIdcTransformedFrame = 1038;

// Main window: configuration display, label and value.
constexpr int kIdcPrinterLabel = 1056, kIdcPrinterValue = 1063;
constexpr int kIdcModeLabel = 1062, kIdcModeValue = 1064;
constexpr int kIdcInterfaceLabel = 1057, kIdcInterfaceValue = 1065;
constexpr int kIdcPortLabel = 1058, kIdcPortValue = 1066;
constexpr int kIdcBaudLabel = 1007, kIdcBaudValue = 1067;
constexpr int kIdcDataBitsLabel = 1059, kIdcDataBitsValue = 1068;
constexpr int kIdcParityLabel = 1060, kIdcParityValue = 1069;
constexpr int kIdcStopBitsLabel = 1061, kIdcStopBitsValue = 1070;
constexpr int kIdcFlowLabel = 1015, kIdcFlowValue = 1072;

// Main window: colour separation controls.
constexpr int kIdcThresholdEdit = 1021;
constexpr int kIdcRValueEdit = 1022;
constexpr int kIdcLValueEdit = 1023;
constexpr int kIdcThresholdSlider = 1027;
constexpr int kIdcRValueSlider = 1028;
constexpr int kIdcLValueSlider = 1029;
constexpr int kIdcThresholdSwatch = 1030;
constexpr int kIdcRValueSwatch = 1031;
constexpr int kIdcLValueSwatch = 1032;
constexpr int kIdcRed = 1033;
constexpr int kIdcGreen = 1034;
constexpr int kIdcBlue = 1035;
constexpr int kIdcNotUsed = 1036;
constexpr int kIdcInvert = 1037;
constexpr int kIdcRColourSwatch = 1040;
constexpr int kIdcLColourSwatch = 1041;

// Resolution dialog.
constexpr int kIdcSingleDensity = 1053;
constexpr int kIdcQuadDensity = 1054;
constexpr int kIdcDoubleDensity = 1055;

// Upload dialog; its "&Cancel" is button 1.
constexpr int kIdcUploadStatus = 1039;
constexpr int kIdcUploadProgress = 1021;
constexpr int kIdcDownloadStart = 1071;
constexpr int kIdcSaveFile = 1072;
constexpr int kIdcUploadCancel = 1;

// Print dialog; its "E&xit" is button 1.
constexpr int kIdcQualityNormal = 1006;
constexpr int kIdcQualityDoubleWide = 1001;
constexpr int kIdcQualityDoubleHigh = 1008;
constexpr int kIdcQualityQuadruple = 1007;
constexpr int kIdcNoHeader = 1023;
constexpr int kIdcAddHeader = 1024;
constexpr int kIdcRangeAll = 1025;
constexpr int kIdcRangeSelection = 1026;
constexpr int kIdcSelectionEdit = 1027;
constexpr int kIdcPrintButton = 1022;
constexpr int kIdcPrintExit = 1;

// About dialog.
constexpr int kIdcAboutProduct = 1100;
constexpr int kIdcAboutVersion = 1101;

}  // namespace logoloft

#pragma once
// The numbers of the menu commands and keyboard shortcuts. A menu event carries one of these; the menu
// table (app/command_table.h) gives every one its place and text. Only the numbers other code names
// are listed here; the transform families (66–125, 195–330) are numbered by their table in
// app/transform_families.cpp.

namespace kx {

using CommandId = int;

namespace cmd {

// File
inline constexpr CommandId New = 20;
inline constexpr CommandId Open = 21;
inline constexpr CommandId Save = 22;
inline constexpr CommandId SaveAs = 23;
inline constexpr CommandId ImportFirst = 25;  // 1 row; ImportFirst + n - 1 imports n rows
inline constexpr CommandId ImportLast = 31;   // 7 rows
inline constexpr CommandId ImportBugged = 32;
inline constexpr CommandId ImportImage = 33;
inline constexpr CommandId ExportFirst = 34;  // 1 row; ExportFirst + n - 1 exports n rows
inline constexpr CommandId ExportLast = 40;   // 7 rows
inline constexpr CommandId RecentFirst = 43;  // recent entry 1; entries 1..5 are 43..47
inline constexpr CommandId RecentLast = 47;
inline constexpr int kRecentCount = RecentLast - RecentFirst + 1;
inline constexpr CommandId ClearRecent = 48;
inline constexpr CommandId Quit = 49;

// Edit
inline constexpr CommandId Undo = 50;
inline constexpr CommandId Redo = 51;
inline constexpr CommandId ClearHistory = 52;
inline constexpr CommandId Copy = 53;
inline constexpr CommandId Paste = 54;
inline constexpr CommandId Cut = 55;
inline constexpr CommandId CopyTopRowsToBottom = 359;
inline constexpr CommandId CopyBottomRowsToTop = 360;
inline constexpr CommandId CopyRowToMemoryFirst = 361;     // Row 1; Row N is + N - 1
inline constexpr CommandId PasteRowFromMemoryFirst = 369;  // Row 1; Row N is + N - 1
inline constexpr CommandId EraseAll = 338;
inline constexpr CommandId EraseFirst128 = 339;
inline constexpr CommandId EraseLast128 = 340;
inline constexpr CommandId EraseRowFirst = 341;  // Row 1; Row N is + N - 1
inline constexpr CommandId ReverseFirst128 = 349;
inline constexpr CommandId ReverseLast128 = 350;
inline constexpr CommandId ReverseRowFirst = 351;  // Row 1; Row N is + N - 1
inline constexpr CommandId Swap = 332;

// View
inline constexpr CommandId ShowCharGrid = 146;
inline constexpr CommandId ShowPixelGrid = 147;
inline constexpr CommandId HoverCharHighlight = 150;
inline constexpr CommandId HoverPixelHighlight = 151;
inline constexpr CommandId PreviewHighlightsEditor = 152;
inline constexpr CommandId PreviewOutsideFade = 153;
inline constexpr CommandId ShowHighlights = 154;
inline constexpr CommandId SelectedTileHighlight = 155;
inline constexpr CommandId ScanlineEmulation = 158;
inline constexpr CommandId CrtEmulationMain = 159;
inline constexpr CommandId CrtEmulationEdge = 160;
inline constexpr CommandId CrtEmulationOnGrids = 161;
inline constexpr CommandId ZoomIn = 162;
inline constexpr CommandId ZoomOut = 163;
inline constexpr CommandId BrightnessHigh = 143;
inline constexpr CommandId BrightnessMedium = 144;
inline constexpr CommandId BrightnessLow = 145;

// Tools
inline constexpr CommandId DrawContinuous = 187;
inline constexpr CommandId DrawDotted = 188;
inline constexpr CommandId LineDraw = 189;
inline constexpr CommandId BoxHollow = 190;
inline constexpr CommandId BoxFilled = 191;
inline constexpr CommandId FillChar = 192;
inline constexpr CommandId ReverseChar = 193;
inline constexpr CommandId EraseChar = 194;
inline constexpr CommandId SlideRightNoWrap = 315;
inline constexpr CommandId SlideLeftNoWrap = 316;
inline constexpr CommandId SlideUpNoWrap = 317;
inline constexpr CommandId SlideDownNoWrap = 318;
inline constexpr CommandId ScreenEditor = 331;
inline constexpr CommandId Compress = 333;
inline constexpr CommandId RestoreRomAll = 334;
inline constexpr CommandId RestoreRomFirst128 = 335;
inline constexpr CommandId RestoreRomLast128 = 336;
inline constexpr CommandId RestoreRomIndividual = 337;
inline constexpr CommandId Font1x2NoReverse = 377;
inline constexpr CommandId Font1x2WithReverse = 378;
inline constexpr CommandId Font2x1NoReverse = 379;
inline constexpr CommandId Font2x1WithReverse = 380;
inline constexpr CommandId Font2x2 = 381;
inline constexpr CommandId Font2x2Reversed = 382;
inline constexpr CommandId Preview1x2 = 127;
inline constexpr CommandId Preview2x1 = 128;
inline constexpr CommandId Preview2x2 = 129;
inline constexpr CommandId DumpPng = 385;
inline constexpr CommandId DumpJpg = 386;
inline constexpr CommandId DumpBmp = 387;
inline constexpr CommandId DumpClipboard = 388;

// Help
inline constexpr CommandId Help = 390;
inline constexpr CommandId SupportForum = 392;
inline constexpr CommandId WebSite = 393;
inline constexpr CommandId About = 394;

// File menu, "Export..." submenu, after the row exports
inline constexpr CommandId ExportSource = 395;

// File menu, "Import..." submenu, after a separator at its end
inline constexpr CommandId ImportFromSource = 396;
inline constexpr CommandId ImportFromSheet = 397;

// View menu, "Display Mode" submenu (one choice), then the colours dialog
inline constexpr CommandId DisplayHiRes = 398;
inline constexpr CommandId DisplayMulticolour = 399;
inline constexpr CommandId DisplayExtendedBackground = 400;
inline constexpr CommandId CharsetColours = 401;

// View menu, the two "Multicolour Pen" submenus (one choice each): the bit pairs 00..11 of each button
inline constexpr CommandId LeftPenPair00 = 402;   // ..405
inline constexpr CommandId RightPenPair00 = 406;  // ..409

// File menu: the per-glyph colour table, last in the "Import..." and "Export..." submenus
inline constexpr CommandId ImportColourTable = 410;
inline constexpr CommandId ExportColourTable = 411;

}  // namespace cmd
}  // namespace kx

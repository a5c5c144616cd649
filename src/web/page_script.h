#pragma once

// The functions the page's script libraries give the C++ side (window.js, pictures.js, board.js). Every text is
// UTF-8; a returned text is the caller's to free. Places on an axis run from 0 to 1; sizes in pixels are the
// script's own, but for the window's controls, which come from the layout table.
#include "core/layout.h"

namespace ricattura {
// The kinds of table cell, as the script numbers them.
enum class TableCell : int { Data, ColumnHeading, RowHeading };
}  // namespace ricattura

extern "C" {

// The window.
void jsBuildWindow(const char* title, int width, int height, const char* background, const char* labelColour,
                   const char* fontFamilies, double fontPoints, int fontWeight);
void jsAddButton(const char* name, const char* caption, const ricattura::PixelRect* rect, int index, int enabled);
void jsAddBox(const char* name, const ricattura::PixelRect* rect, int multiLine, int editable, const char* spokenName);
void jsAddLabel(const char* name, const char* caption, const ricattura::PixelRect* rect, const char* box,
                int rightAligned);
void jsStartFocus(const char* name);
void jsStarted();
void jsFitWindow(int width);  // the window's outer width in pixels
void jsEnterPresses(const char* box, const char* button);
void jsSetText(const char* name, const char* text);
void jsFocus(const char* name);
void jsSetEnabled(const char* name, int enabled);
char* jsTypedText(const char* name);
void jsAnnounce(const char* words);
char* jsAddressParameter(const char* name);  // null when the address has none
void jsShowPage(const char* title, const char* note, int isWarning, const char* again);
void jsShowEnded(int ended);

// The sections below the window and their pictures.
void jsShowSection(const char* id);
void jsHideSection(const char* id);
void jsClear(const char* id);
void jsWords(const char* parent, const char* id, const char* text, int heading);  // a paragraph, or a heading
void jsHistogram(const char* id, const char* parent, const char* name, int rows);
void jsDotPlot(const char* id, const char* parent, const char* name, int levels);
void jsTick(const char* id, double at, const char* label);
void jsAxisTitle(const char* id, const char* title);
void jsMarker(const char* id, const char* kind, double at, const char* label);
void jsRowMarker(const char* id, const char* kind, int row, double at);
void jsLegend(const char* id, const char* kind, const char* label);
void jsBars(const char* id, int row, const char* label, const int* counts, int bins, int highest, const char* beyond);
void jsDot(const char* id, double at, int level);
void jsTable(const char* id, const char* parent, const char* caption);
void jsTableRow(const char* id, int head);
void jsTableCell(const char* id, ricattura::TableCell kind, const char* text);  // a heading's second line after "\n"
void jsList(const char* parent, const char* id, const char* heading);
void jsListItem(const char* id, const char* text);

// A lake with a trick: what happened and the question; the answer given, or none.
void jsTrickQuestion(const char* event, const char* question);
void jsTrickAnswer(const char* answer);

// The student's result, the printed sheet, the files saved, the students' address.
void jsResultButtons(const char* copied, const char* selectIt);
void jsShowResult(const char* code, const char* words);
void jsSheetClear();
void jsSheetLine(const char* label, const char* value);
void jsSheetRepetitions();
void jsSheetNone();
void jsDownload(const char* name, const char* text);
void jsStudentsAddress(const char* query, const char* words, const char* needsWeb);

// The class board.
void jsClassBoard(const char* label);
char* jsClassTyped();
void jsClassReveal(const char* words);

}  // extern "C"

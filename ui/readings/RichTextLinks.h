#pragma once

class Program;
class QEvent;
class QObject;
class QTextEdit;
class QWidget;

// Makes the web addresses in richText links as text arrives, and lets a left press on one open
// it in the browser. As in a web browser, Tab and Shift+Tab pick the next or previous link and
// Enter opens the picked one. Replaces any layer still installed.
void HookRichTextLinks(Program& program, QTextEdit* richText, QWidget* owner);

// Removes the layer; harmless when none is installed. Links already marked stay marked.
void UnhookRichTextLinks(Program& program);

// Sees every event of the box's viewport while the layer is installed. Always false: the box
// handles every event as it would without the layer.
bool LinkWindowProc(Program& program, QObject* watched, QEvent* event);

#pragma once

class Program;
class QEvent;
class QObject;
class QTextEdit;
class QWidget;

// Makes the web addresses in richText links as text arrives, and lets a left press on one open
// it in the browser; in a QTextBrowser that lets the keyboard reach links, so does Enter on
// the link that Tab picked. Replaces any layer still installed.
void HookRichTextLinks(Program& program, QTextEdit* richText, QWidget* owner);

// Removes the layer; harmless when none is installed. Links already marked stay marked.
void UnhookRichTextLinks(Program& program);

// Sees every event of the box's viewport while the layer is installed. Always false: the box
// handles every event as it would without the layer.
bool LinkWindowProc(Program& program, QObject* watched, QEvent* event);

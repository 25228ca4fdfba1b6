#pragma once

// Rich-text documents between the RTF model and Qt's text document: what a
// rich edit shows is loaded from rich-text source and saved back to it.

#include <QByteArray>
#include <QTextDocument>

#include "platform/rtf.h"

namespace platform {

// Replaces the document's content with the paragraphs and runs of `rtf`.
void RtfToTextDocument(const TRtfDocument& rtf, QTextDocument& document);
// The document's paragraphs and formatted runs.
TRtfDocument RtfFromTextDocument(const QTextDocument& document);

// The two steps with the source: read and shown, taken and written.
void LoadRtf(const QByteArray& source, QTextDocument& document);
QByteArray SaveRtf(const QTextDocument& document);

}  // namespace platform

#include "paragraph_stream.h"

bool NextParagraph(ParagraphWalk* walk, Paragraph* paragraph)
{
    const BYTE* s = walk->stream;
    const size_t at = walk->next;
    if (s == nullptr || at + 2 > MAX_STREAM_BYTES || s[at] == 0)
        return false;
    size_t end = at + 2;
    while (s[end] != 0)
        end++;
    if (end > MAX_STREAM_BYTES)
        return false;
    paragraph->offset = (uint16_t)at;
    paragraph->attribute = s[at];
    paragraph->indent = s[at + 1];
    paragraph->textOffset = (uint16_t)(at + 2);
    paragraph->textLength = (uint16_t)(end - (at + 2));
    walk->next = end + 1;
    return true;
}

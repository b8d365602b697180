#include "mapfile/ParsedHtml.h"

ParsedHtml::ParsedHtml(const QByteArray& utf8)
    : m_options(kGumboDefaultOptions)
{
    m_options.max_errors = 0; // the parse errors are of no use here and cost memory on broken pages
    m_output = gumbo_parse_with_options(&m_options, utf8.constData(), static_cast<size_t>(utf8.size()));
}

ParsedHtml::~ParsedHtml()
{
    gumbo_destroy_output(&m_options, m_output);
}

#pragma once

#include <QByteArray>

#include <gumbo.h>

// A page parsed by gumbo, as browsers parse HTML5, and freed with it.
class ParsedHtml {
public:
    explicit ParsedHtml(const QByteArray& utf8);
    ~ParsedHtml();
    ParsedHtml(const ParsedHtml&) = delete;
    ParsedHtml& operator=(const ParsedHtml&) = delete;

    const GumboNode* Root() const { return m_output->document; }

private:
    GumboOptions m_options;
    GumboOutput* m_output;
};

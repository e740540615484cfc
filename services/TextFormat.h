#pragma once

#include <QString>

#include <optional>

// How a text becomes the page: put in as typed (HTML), or converted from Markdown.
enum class TextFormat { Html, Markdown };

// The format's name as scripts and `--show` spell it: "html" or "markdown".
inline QString FormatName(TextFormat format)
{
    return format == TextFormat::Markdown ? QStringLiteral("markdown") : QStringLiteral("html");
}

// The format a name spells, or nothing.
inline std::optional<TextFormat> FormatNamed(const QString& name)
{
    if (name == FormatName(TextFormat::Markdown))
        return TextFormat::Markdown;
    if (name == FormatName(TextFormat::Html))
        return TextFormat::Html;
    return std::nullopt;
}

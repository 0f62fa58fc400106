#pragma once

#include <QString>

#include <optional>

namespace fendrake {

enum class ForumState
{
    Closed,  // the forum is closed by law; wins over a missing forum
    Missing, // no forum of that name
    Open,
};

// The figures cut out of a forum page, in the order they are read. A cut that fails leaves it and
// every later one empty; the query then ends in its failure path.
struct CelebrityFigures
{
    std::optional<QString> topics;
    std::optional<QString> posts;
    std::optional<QString> trend; // behind the next "数" after the post count, less the line's last character
    // The follower line, less its last character, not yet cleaned; none on a forum page without one,
    // which is no failure.
    std::optional<QString> followers;
    bool complete = false; // no cut failed
};

// The forum named after the person; the name is sent as typed, encoded only where it must be.
QString celebrityForumAddress(const QString &name);

ForumState forumState(const QString &pageText);

// pageText: the page's visible text, lines ending in CR LF.
CelebrityFigures celebrityFigures(const QString &pageText);

// The follower label's caption: its idle caption, the value and "#", with the forum's link words
// and every blank taken out.
QString celebrityFollowerCaption(const QString &followers);

} // namespace fendrake

// veka4-cli embed SETUP SONG.mid OUT.mid: the setup in front of a song.
#include <iostream>
#include <stdexcept>

#include "cli/commands.h"
#include "cli/song_options.h"
#include "module/image.h"
#include "smf/smf.h"

namespace veka::cli {

int EmbedCommand(TVGS& image, const TOptions& o, std::ostream&) {
    if (o.Positional.size() != 4)
        throw EUsage("usage: veka4-cli embed SETUP SONG.mid OUT.mid [--format 0|1] [--with-text] [--dummy-notes] "
                     "[--order FILE.scd]");
    const std::string& setup = o.Positional[1];
    const std::string& song = o.Positional[2];
    const std::string& out = o.Positional[3];
    if (!IsSongFile(song)) throw EUsage(song + ": not a song (.mid)");
    if (!IsSongFile(out)) throw EUsage(out + ": the result is a song (.mid)");
    if (ExtraOption(o, "--timebase")) throw EUsage("--timebase: an embedded setup takes the song's time base");
    TSmfWriteOptions options = SongWriteOptions(o, 1);
    std::string error;
    try {
        const TOrderList order = SongOrderList(o);
        ReadSetupInto(image, setup);
        SettleSongPorts(image, o, options);
        TSMF smf;
        smf.Language = image.Language;
        if (!LoadSongForEmbedding(smf, song, error)) throw std::runtime_error("read error: " + error);
        for (const std::string& w : smf.Warnings()) std::cerr << "veka4-cli: " << w << '\n';
        if (!EmbedSetup(image, smf, order, out, options, error)) throw std::runtime_error(out + ": " + error);
    } catch (const EUsage&) {
        throw;
    } catch (const std::runtime_error& e) {
        std::cerr << "veka4-cli: " << OneLine(e.what()) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace veka::cli

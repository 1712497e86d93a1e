// veka4-cli: the command-line companion of Veka, on the same core as the program.
#include <iostream>

#include "cli/commands.h"
#include "module/default_folder.h"
#include "module/image.h"

namespace {

constexpr const char* kHelp = R"(Usage: veka4-cli [options] COMMAND ARGUMENTS...

Commands:
  sysex system N VALUE             the message that sets system parameter N (1..64)
  sysex part PART N VALUE          ... part parameter N (1..111) of PART (A1 .. D16);
                                   parameter 111 prints its RPN sequence
  sysex drum MAP NOTE N VALUE      ... drum map parameter N (1..9) of MAP (A1 .. D2)
  sysex userdrum SET NOTE N VALUE  ... user drum set parameter N (1..12), SET 0 or 1
      Each message is printed as hexadecimal bytes, then the port letter it goes to.
  text part|system|drum|userdrum N VALUE
                                   the text a window shows for the value
                                   (drum: --reference R, userdrum: --set S --note K)
  tone MAP BANK PROGRAM            the tone name (MAP 1 = SC-55 .. 4 = SC-8850 map)
  drumset MAP PROGRAM [NOTE]       the drum set name, or the instrument of a note
      tone and drumset exit with 1 when there is no such tone, set or instrument.
  info FILE                        kind, sections and every stored value of a setup
                                   file or effect preset (.ga4 .ga3 .1pg .1dg .1ug .cst
                                   .rev .cho .del .eq .ief), one value per line
  diff A B                         every parameter the setups A and B set differently:
                                   where, name, both values with their texts (exit 1
                                   when they differ; a value a file lacks is the default)
  convert IN OUT [--format 0|1] [--timebase N] [--with-text] [--dummy-notes]
          [--order FILE.scd]       by the extensions: a setup file to .syx (its
                                   modified values of Ports A and B as data-set
                                   messages) or to .mid (a song holding the setup),
                                   or a .mid to .ga4 (the song's setup as a whole
                                   setup file). Without --max-part the ports come
                                   from the file; a song for several ports is
                                   format 1 unless --format 0
  embed SETUP SONG.mid OUT.mid [options as convert]
                                   the setup in front of the song, replacing a setup
                                   written there before; --format defaults to 1, the
                                   song keeps its time base and tempo. The order list
                                   is the default.scd shipped with the program
                                   unless --order.
  export KIND [OBJECT] SETUP OUT.syx
                                   the File menu's exclusive-file exports: KIND all,
                                   part (OBJECT A1 .. D16), drum (A1 .. D2), userdrum
                                   (65 or 66), reverb, chorus, delay, eq or insertion;
                                   the modified values as data-set messages back to
                                   back (amidi -s sends the file as it stands)
  ports                            the numbered MIDI outputs and inputs
  send FILE --out A=DEV[,B=DEV..] [--user-drums-all]
                                   load a setup file and send it all (a whole setup
                                   starts with a reset of the module)
  request --out DEV --in DEV --what ITEMS [--wait MS] [--log FILE] OUT.ga4
                                   read the module's data back and save it; ITEMS is a
                                   comma list of master, reverb, chorus, delay, eq,
                                   insertion, userdrum65, userdrum66, parts:P, drum1:P,
                                   drum2:P (P = A..D) or all
  sync SETUP --out A=DEV[,B=DEV..] --in DEV [--what ITEMS] [--wait MS] [--dry-run]
                                   read the module back, list every parameter where it
                                   differs from the setup (the module's value -> the
                                   setup's) and send only those; without --what the
                                   effects and the parts of the ports in use. Exit 1
                                   when some parameters could not be read (named)
  identify --out DEV --in DEV      ask the module which model it is
  panic --out A=DEV[,B=DEV..]      All Sound Off on every channel
  play SONG.mid --out A=DEV[,B=DEV..] [--setup FILE] [--from BAR] [--to BAR]
                                   play the song on the ports its port events name
                                   (Port A without them) and exit at its end; with
                                   --setup the setup is sent first and the song's
                                   own setup measures are left out. Ctrl+C stops it
                                   with every note and the sustain ended (exit 130)
  display --text TEXT | --dsp FILE.dsp [--out DEV]
                                   the module's display messages (the picture of a
                                   preset, its text or the text given; at most 32
                                   characters, others than 7-bit ASCII as "?"),
                                   printed and with --out sent on Port A
      DEV is a number from 'ports' or a unique part of a device name. The MIDI
      commands take --virtual-module[=SETUP] (or VEKA_VIRTUAL_MODULE=1|SETUP) to
      talk to the built-in virtual module.

Options:
  --module-type 1|2|3   1 SC-88 family, 2 SC-88Pro family, 3 SC-8850 family (default)
  --device-id N         device id of the messages (default 16 = 10 hex)
  --max-part 16|32|64   parts on 1, 2 or 4 ports. Without it: the ports the setup
                        files hold values for (request and sync --what: the ports
                        the items name, "all" those --out names; panic: those --out
                        names); a line says which values a smaller one leaves out
  --japanese            Japanese texts
  --help, --version

A bad argument prints one line on standard error and exits with 2.
)";

}  // namespace

int main(int argc, char** argv) {
    using namespace veka;
    using namespace veka::cli;
    try {
        const TOptions o = ParseOptions(argc, argv);
        if (o.Help) { std::cout << kHelp; return 0; }
        if (o.Version) { std::cout << "veka4-cli " << VEKA_VERSION << '\n'; return 0; }
        if (o.Positional.empty()) throw EUsage("no command given (veka4-cli --help lists them)");

        const std::string& command = o.Positional[0];
        int (*run)(TVGS&, const TOptions&, std::ostream&) = nullptr;
        if (command == "sysex") run = SysexCommand;
        else if (command == "text") run = TextCommand;
        else if (command == "tone") run = ToneCommand;
        else if (command == "drumset") run = DrumSetCommand;
        else if (command == "info") run = InfoCommand;
        else if (command == "ports") run = PortsCommand;
        else if (command == "send") run = SendCommand;
        else if (command == "request") run = RequestCommand;
        else if (command == "identify") run = IdentifyCommand;
        else if (command == "panic") run = PanicCommand;
        else if (command == "display") run = DisplayCommand;
        else if (command == "convert") run = ConvertCommand;
        else if (command == "embed") run = EmbedCommand;
        else if (command == "export") run = ExportCommand;
        else if (command == "diff") run = DiffCommand;
        else if (command == "sync") run = SyncCommand;
        else if (command == "play") run = PlayCommand;
        else throw EUsage("unknown command '" + command + "' (veka4-cli --help lists them)");

        TVGS image(FindDefaultFolder(), o.ModuleType);
        image.DeviceId = o.DeviceId;
        image.MaxPart = o.MaxPart;
        image.Language = o.Language;
        return run(image, o, std::cout);
    } catch (const EUsage& e) {
        std::cerr << "veka4-cli: " << e.what() << '\n';
        return 2;
    } catch (const EFileError& e) {
        std::cerr << "veka4-cli: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "veka4-cli: " << e.what() << '\n';
        return 1;
    }
}

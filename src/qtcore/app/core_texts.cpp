// The texts of the Qt-free core that the window and the command line show,
// for the translations: coreText() finds a text here and translates it.
// A text the core says gets its line here, word for word; the parts it
// fills in are %1, %2... (in the order they appear).

#include <QtGlobal>

#include <span>

#include "qtcore/app/core_text.h"

namespace dorvane {

namespace {

const char* const kTexts[] = {
    // The transfer flow: log lines, progress texts and boxes.
    QT_TRANSLATE_NOOP("CoreText", "Please, Open a File to be downloaded!"),
    QT_TRANSLATE_NOOP("CoreText", "Can't open Serial Port! Please, Check your Serial port setting!"),
    QT_TRANSLATE_NOOP("CoreText", "Before download start, You should turn off the Power of STB"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Before upload start, You should turn on the Power of STB and activate 'PC COM' item in "
                      "'Software Transfer' menu"),
    QT_TRANSLATE_NOOP("CoreText", "This image can't be downloaded your STB!"),
    QT_TRANSLATE_NOOP("CoreText", "Downloading stopped successfully."),
    QT_TRANSLATE_NOOP("CoreText", "You should Check LCD window whether STB has remain job or not!"),
    QT_TRANSLATE_NOOP("CoreText", "Your STB will restart now!"),
    QT_TRANSLATE_NOOP("CoreText", "Timeout occurred! Please, Check your STB, And retry!"),
    QT_TRANSLATE_NOOP("CoreText", "Serial Port Error! The port stopped working."),
    QT_TRANSLATE_NOOP("CoreText", "Serial Port Error! Please, Check your Serial port and STB, And retry!"),
    QT_TRANSLATE_NOOP("CoreText", "Transferring failed! Too many errors on the line."),
    QT_TRANSLATE_NOOP("CoreText", "Too many errors on the line! Please, Check your cable and STB, And retry!"),
    QT_TRANSLATE_NOOP("CoreText", "Uploading failed!"),
    QT_TRANSLATE_NOOP("CoreText", "Uploading failed! The file was not changed. Please, Check your STB, And retry!"),
    QT_TRANSLATE_NOOP("CoreText", "The file was not changed."),
    QT_TRANSLATE_NOOP("CoreText", "The received data is not channel data: %1."),
    QT_TRANSLATE_NOOP("CoreText", "The STB announced %1 bytes and sent %2."),
    QT_TRANSLATE_NOOP("CoreText", "All the data arrived, but the STB did not end the file (it may have restarted)."),
    QT_TRANSLATE_NOOP("CoreText", "You can't open a file on downloading..."),
    QT_TRANSLATE_NOOP("CoreText", "The STB stopped reporting while writing its memory."),
    QT_TRANSLATE_NOOP("CoreText", "The STB stopped reporting while writing its memory!"),
    QT_TRANSLATE_NOOP("CoreText", "Do not switch it off until its own display says it is done."),
    QT_TRANSLATE_NOOP("CoreText", "Downloading failed! The file could not be read to its end: %1"),
    QT_TRANSLATE_NOOP("CoreText", "The STB restarted before it finished writing! The image was not written."),
    QT_TRANSLATE_NOOP("CoreText", "Please, Switch off the STB, start the download, then switch on the STB."),
    QT_TRANSLATE_NOOP("CoreText", "The STB offered more than one file; only the first was received."),
    QT_TRANSLATE_NOOP("CoreText", "The file is empty! There is nothing to download."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download "
                      "to send it anyway."),
    QT_TRANSLATE_NOOP("CoreText", "Can't save the upload to %1: it is a folder!"),
    QT_TRANSLATE_NOOP("CoreText", "Can't save the upload to %1: its folder does not exist!"),
    QT_TRANSLATE_NOOP("CoreText", "Can't save the upload to %1: its folder cannot be written!"),
    QT_TRANSLATE_NOOP("CoreText", "Transferring canceled!"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to stop the downloading?"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to stop the uploading?"),
    //: The Download and Upload buttons while a transfer runs.
    QT_TRANSLATE_NOOP("CoreText", "Stop"),
    QT_TRANSLATE_NOOP("CoreText", "Download"),
    QT_TRANSLATE_NOOP("CoreText", "Upload"),
    //: The progress bar while the STB is switched off, before a download.
    QT_TRANSLATE_NOOP("CoreText", "Waiting Turning on STB..."),
    QT_TRANSLATE_NOOP("CoreText", "Wait Upload Data..."),
    QT_TRANSLATE_NOOP("CoreText", "Transferring timeout occurred!"),
    QT_TRANSLATE_NOOP("CoreText", "%1 bps"),
    QT_TRANSLATE_NOOP("CoreText", "Wait writing image end..."),
    QT_TRANSLATE_NOOP("CoreText", "STB Boot Ver : %1"),
    QT_TRANSLATE_NOOP("CoreText", "STB App Ver : %1"),
    QT_TRANSLATE_NOOP("CoreText", "Uploading %1% ..."),
    QT_TRANSLATE_NOOP("CoreText", "Downloading %1% ..."),
    QT_TRANSLATE_NOOP("CoreText", "Downloading process started."),
    QT_TRANSLATE_NOOP("CoreText", "Uploading process started."),
    QT_TRANSLATE_NOOP("CoreText", "Send upload command and wait ack.."),
    QT_TRANSLATE_NOOP("CoreText", "Transferring ended."),
    QT_TRANSLATE_NOOP("CoreText", "Writing Image started."),
    QT_TRANSLATE_NOOP("CoreText", "Transferring started."),
    QT_TRANSLATE_NOOP("CoreText", "Transferring started!"),
    QT_TRANSLATE_NOOP("CoreText", "Serial Port Internal Error: Write"),
    QT_TRANSLATE_NOOP("CoreText", "Uploading failed! %1"),
    QT_TRANSLATE_NOOP("CoreText", "Uploading data is kept in"),
    QT_TRANSLATE_NOOP("CoreText", "The received data is kept in %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 The received data is kept in %2"),
    QT_TRANSLATE_NOOP("CoreText", "Writing Image stopped."),
    QT_TRANSLATE_NOOP("CoreText", "Writing image stopped."),
    QT_TRANSLATE_NOOP("CoreText", "Downloading stopped successfully!"),
    QT_TRANSLATE_NOOP("CoreText", "Uploading finished successfully!"),
    QT_TRANSLATE_NOOP("CoreText", "Uploading data is saved to"),
    // What the flow advises.
    QT_TRANSLATE_NOOP("CoreText", "The image's buyer code %1 differs from the STB's %2."),
    QT_TRANSLATE_NOOP("CoreText", "The image's buyer code %1 does not match the STB's."),
    QT_TRANSLATE_NOOP("CoreText", "\"Forced download\" (command line: --forced) downloads it anyway."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a "
        "download: after the start; for an upload: with its 'PC COM' item active)."),
    // The transfer's figures.
    QT_TRANSLATE_NOOP("CoreText", "%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs"),
    // The transfer's figures over the progress bar, item by item.
    //: A transfer's phase, in its figures: "transferring 3/10 blocks".
    QT_TRANSLATE_NOOP("CoreText", "idle"),
    QT_TRANSLATE_NOOP("CoreText", "waiting"),
    QT_TRANSLATE_NOOP("CoreText", "transferring"),
    QT_TRANSLATE_NOOP("CoreText", "writing"),
    QT_TRANSLATE_NOOP("CoreText", "ended"),
    //: The phase, how far the STB has written, blocks sent of all.
    QT_TRANSLATE_NOOP("CoreText", "%1 %2% %3/%4 blocks"),
    QT_TRANSLATE_NOOP("CoreText", "%1 %2/%3 blocks"),
    QT_TRANSLATE_NOOP("CoreText", "%1 %2 blocks"),
    QT_TRANSLATE_NOOP("CoreText", "%1/%2 bytes"),
    QT_TRANSLATE_NOOP("CoreText", "%1 bytes"),
    QT_TRANSLATE_NOOP("CoreText", "%1 bytes/s"),
    //: The time a transfer still needs.
    QT_TRANSLATE_NOOP("CoreText", "ETA %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 resent"),
    QT_TRANSLATE_NOOP("CoreText", "%1 time-outs"),
    // The port.
    QT_TRANSLATE_NOOP("CoreText", "%1 port was opened successfully!"),
    QT_TRANSLATE_NOOP("CoreText", "Port(%1) open failed."),
    QT_TRANSLATE_NOOP("CoreText", "Port(%1) failed: %2"),
    QT_TRANSLATE_NOOP("CoreText", "buff full"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the "
        "ports that Configure or 'dorvane ports' lists."),
    QT_TRANSLATE_NOOP("CoreText", "No serial port is there: plug in the adapter."),
    QT_TRANSLATE_NOOP("CoreText", "The serial ports are: %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not a serial port: it is %2. %3"),
    QT_TRANSLATE_NOOP("CoreText", "a folder"),
    QT_TRANSLATE_NOOP("CoreText", "a plain file"),
    QT_TRANSLATE_NOOP("CoreText", "not a device"),
    QT_TRANSLATE_NOOP("CoreText", "a device that is not a serial line"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is in use by %2. Close that program, or choose another port."),
    QT_TRANSLATE_NOOP("CoreText", "%1 is in use by another program. Close that program, or choose another port."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Permission denied on %1: your user is not in the '%2' group. Join it with 'sudo usermod -aG %2 "
                      "$USER', then log out and in again."),
    QT_TRANSLATE_NOOP("CoreText", "%1 has gone away: the adapter was unplugged. Plug it back in and retry."),
    QT_TRANSLATE_NOOP("CoreText", "%1 stopped working: %2."),
    QT_TRANSLATE_NOOP("CoreText", "unknown error"),
    QT_TRANSLATE_NOOP("CoreText", "the first USB serial adapter found"),
    QT_TRANSLATE_NOOP("CoreText", "the first USB serial adapter found (%1)"),
    QT_TRANSLATE_NOOP("CoreText", "the first serial port found"),
    // What an opened file holds.
    QT_TRANSLATE_NOOP("CoreText", "File Name : %1"),
    QT_TRANSLATE_NOOP("CoreText", "Image Type : %1"),
    //: An image type: what a firmware file holds.
    QT_TRANSLATE_NOOP("CoreText", "Undefined"),
    QT_TRANSLATE_NOOP("CoreText", "Boot"),
    QT_TRANSLATE_NOOP("CoreText", "Application"),
    QT_TRANSLATE_NOOP("CoreText", "Database"),
    QT_TRANSLATE_NOOP("CoreText", "IRZ Data"),
    QT_TRANSLATE_NOOP("CoreText", "Factory"),
    //: An image made to be received from the STB (an image type, not the command).
    QT_TRANSLATE_NOOP("CoreText", "Image Type : Upload"),
    QT_TRANSLATE_NOOP("CoreText", "Image Type : Upload."),
    QT_TRANSLATE_NOOP("CoreText", "File Size : %1 bytes"),
    QT_TRANSLATE_NOOP("CoreText", "Version : %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 (build #%2)"),
    QT_TRANSLATE_NOOP("CoreText", "Build Date : %1 (%2)"),
    //: The image's buyer code (who the firmware was made for).
    QT_TRANSLATE_NOOP("CoreText", "Buyer : %1"),
    //: An image without a buyer code.
    QT_TRANSLATE_NOOP("CoreText", "Buyer :"),
    //: The version in the About box: the version and the build number.
    QT_TRANSLATE_NOOP("CoreText", "v%1 (build #%2)"),
    // Files.
    QT_TRANSLATE_NOOP("CoreText", "File write failed!"),
    QT_TRANSLATE_NOOP("CoreText", "Channel data file is truncated!"),
    QT_TRANSLATE_NOOP("CoreText", "%1 was not found."),
    QT_TRANSLATE_NOOP("CoreText", "%1 contains an invalid path."),
    QT_TRANSLATE_NOOP("CoreText", "%1 could not be opened because there are too many open files."),
    QT_TRANSLATE_NOOP("CoreText", "Access to %1 was denied."),
    QT_TRANSLATE_NOOP("CoreText", "A sharing violation occurred while accessing %1."),
    QT_TRANSLATE_NOOP("CoreText", "A hardware I/O error was reported while accessing %1."),
    QT_TRANSLATE_NOOP("CoreText", "Disk full while accessing %1."),
    QT_TRANSLATE_NOOP("CoreText", "An unexpected error occurred while accessing %1."),
    QT_TRANSLATE_NOOP("CoreText", "This file cannot be written back without losing data: %1."),
    QT_TRANSLATE_NOOP("CoreText", "Data is unavailable!"),
    // The editor.
    //: The editor's window title.
    QT_TRANSLATE_NOOP("CoreText", "Edit Receiver Data"),
    QT_TRANSLATE_NOOP("CoreText", "Edit Receiver Data - %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 (read-only)"),
    QT_TRANSLATE_NOOP("CoreText", "%1 found"),
    QT_TRANSLATE_NOOP("CoreText", "%1 found, %2 in the selected satellites"),
    QT_TRANSLATE_NOOP("CoreText", "%1 found, %2 in the selected transponders"),
    QT_TRANSLATE_NOOP("CoreText", "Choose channels in the list below to add them to the group"),
    QT_TRANSLATE_NOOP("CoreText", "Choose one transponder to copy, or one satellite without transponders"),
    QT_TRANSLATE_NOOP("CoreText", "Satellites are added with \"All Sat\" chosen; choose a list first"),
    QT_TRANSLATE_NOOP("CoreText", "Choose a list first"),
    QT_TRANSLATE_NOOP("CoreText", "Choose members of the group to delete them"),
    QT_TRANSLATE_NOOP("CoreText", "Satellites are deleted with \"All Sat\" chosen; choose a list first"),
    QT_TRANSLATE_NOOP("CoreText", "Choose what to delete first"),
    QT_TRANSLATE_NOOP("CoreText", "Choose members of the group to move them"),
    QT_TRANSLATE_NOOP(
        "CoreText", "Channels are moved within a single satellite, or across all of them with every satellite chosen"),
    QT_TRANSLATE_NOOP("CoreText", "Choose channels to move first"),
    QT_TRANSLATE_NOOP("CoreText", "You must select another destination"),
    QT_TRANSLATE_NOOP("CoreText", "Finish or cancel the pending move first"),
    QT_TRANSLATE_NOOP("CoreText", "Channels are dropped on a channel of the list to move them"),
    QT_TRANSLATE_NOOP("CoreText", "Drop channels on a group or its members, or members on a member"),
    QT_TRANSLATE_NOOP("CoreText", "Channels are ordered in the \"Satellite\" view"),
    QT_TRANSLATE_NOOP("CoreText", "Finish the add first"),
    QT_TRANSLATE_NOOP("CoreText", "Choose exactly two channels to swap them"),
    QT_TRANSLATE_NOOP("CoreText", "Choose channels first"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot add satellite"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot add transponder"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot add channel"),
    QT_TRANSLATE_NOOP("CoreText", "Max Favorite Count!!"),
    QT_TRANSLATE_NOOP("CoreText", "Favorite Group empty!!"),
    QT_TRANSLATE_NOOP("CoreText", "Delete %1, their %2 and %3?"),
    QT_TRANSLATE_NOOP("CoreText", "Delete %1, their %2 and %3 (%4)?"),
    QT_TRANSLATE_NOOP("CoreText", "Delete %1 and their %2?"),
    QT_TRANSLATE_NOOP("CoreText", "Delete %1 and their %2 (%3)?"),
    QT_TRANSLATE_NOOP("CoreText", "Delete %1?"),
    QT_TRANSLATE_NOOP("CoreText", "Delete %1 (%2)?"),
    QT_TRANSLATE_NOOP("CoreText", "1 satellite"),
    QT_TRANSLATE_NOOP("CoreText", "%1 satellites"),
    QT_TRANSLATE_NOOP("CoreText", "1 transponder"),
    QT_TRANSLATE_NOOP("CoreText", "%1 transponders"),
    QT_TRANSLATE_NOOP("CoreText", "1 channel"),
    QT_TRANSLATE_NOOP("CoreText", "%1 channels"),
    QT_TRANSLATE_NOOP("CoreText", "1 favourite entry"),
    QT_TRANSLATE_NOOP("CoreText", "%1 favourite entries"),
    QT_TRANSLATE_NOOP("CoreText", "1 duplicate"),
    QT_TRANSLATE_NOOP("CoreText", "%1 duplicates"),
    QT_TRANSLATE_NOOP("CoreText", "%1 added"),
    QT_TRANSLATE_NOOP("CoreText", "%1 replaced"),
    QT_TRANSLATE_NOOP("CoreText", "%1 skipped"),
    QT_TRANSLATE_NOOP("CoreText", "%1 not copied (no room)"),
    QT_TRANSLATE_NOOP("CoreText", "%1; %2"),
    QT_TRANSLATE_NOOP("CoreText", "Nothing was copied."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "1 of the channels to copy is already in this file (the same satellite, transponder and service id)."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "%1 of the channels to copy are already in this file (the same satellite, transponder and service id)."),
    QT_TRANSLATE_NOOP("CoreText", "Skip them, replace the ones here, or keep both?"),
    QT_TRANSLATE_NOOP("CoreText", "Skip"),
    QT_TRANSLATE_NOOP("CoreText", "Replace"),
    QT_TRANSLATE_NOOP("CoreText", "Keep Both"),
    QT_TRANSLATE_NOOP("CoreText", "Cancel"),
    QT_TRANSLATE_NOOP("CoreText", "Every transponder carries a channel: none removed."),
    QT_TRANSLATE_NOOP("CoreText", "Remove %1 without a channel?"),
    QT_TRANSLATE_NOOP("CoreText", "New Channel"),
    QT_TRANSLATE_NOOP("CoreText", "This file cannot be saved: it holds data the editor would lose (%1)."),
    QT_TRANSLATE_NOOP("CoreText", "%1 Not saved."),
    QT_TRANSLATE_NOOP("CoreText", "The check before saving found:"),
    QT_TRANSLATE_NOOP("CoreText", "Save anyway"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to save changes?"),
    QT_TRANSLATE_NOOP("CoreText", "Nothing was imported: %1"),
    QT_TRANSLATE_NOOP("CoreText", "... and %1 more"),
    QT_TRANSLATE_NOOP(
        "CoreText", "The file cannot tell such channels apart: the favourite may come back as the lower-numbered one."),
    // The connection check: its steps' findings and advice, its verdicts.
    QT_TRANSLATE_NOOP(
        "CoreText",
        "A transfer can start: the STB's application answers (an upload; a download needs it switched off)."),
    QT_TRANSLATE_NOOP("CoreText", "A transfer can start: the STB's boot loader asks for a file (download)."),
    QT_TRANSLATE_NOOP("CoreText", "The port opens at 115,200 8N1; the STB was not asked."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The port and the plug pass every byte. Fit the STB's cable instead and check again."),
    QT_TRANSLATE_NOOP("CoreText", "No transfer can start yet: see the problems above."),
    QT_TRANSLATE_NOOP("CoreText", "the port failed during the check."),
    QT_TRANSLATE_NOOP("CoreText", "The adapter was unplugged or its driver gave up: plug it in again and check again."),
    QT_TRANSLATE_NOOP("CoreText", "stopped before its end."),
    QT_TRANSLATE_NOOP("CoreText", "not tried: %1"),
    QT_TRANSLATE_NOOP("CoreText", "the port did not open."),
    QT_TRANSLATE_NOOP("CoreText", "no loop-back plug fitted (%1 tests one: TX joined to RX)."),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7)."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a "
                      "hub) or another adapter."),
    QT_TRANSLATE_NOOP("CoreText", "the loop-back plug is fitted instead of the STB."),
    QT_TRANSLATE_NOOP("CoreText", "the STB's application answered the link test (BEL, ACK): an upload can start."),
    QT_TRANSLATE_NOOP("CoreText", "For a download switch the STB off, start the download, then switch it on."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "the STB's boot loader asks for a file ('C'): a download can start now; an upload needs its application."),
    QT_TRANSLATE_NOOP("CoreText", "what the PC sends comes back (%1 of %2 BELs): the line is looped."),
    QT_TRANSLATE_NOOP("CoreText", "A loop-back plug or a cable that joins TX to RX is fitted, not the STB's cable."),
    QT_TRANSLATE_NOOP("CoreText", "bytes came that answer nothing (%1)."),
    QT_TRANSLATE_NOOP("CoreText", "Another device is on the line, or it runs at another speed than 115,200 bit/s."),
    QT_TRANSLATE_NOOP("CoreText", "no answer to %1 link tests (BEL, waited %2 ms each)."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Most likely, in this order: the STB is off; its application runs with \"PC COM\" off (an upload "
                      "needs that menu item on); the cable lacks the right wires (the PC's TX must reach the STB's RX "
                      "and the STB's TX the PC's RX, with ground joined: a null-modem cable)."),
    QT_TRANSLATE_NOOP("CoreText", "%1 Switching the STB off and on during a check (%2) tells which."),
    QT_TRANSLATE_NOOP("CoreText", "already asking for a file."),
    QT_TRANSLATE_NOOP("CoreText", "not needed: the application answers."),
    QT_TRANSLATE_NOOP("CoreText", "not asked to switch the STB off and on (%1)."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "the boot loader asked for a file ('C') %1 s after the request: cable and STB work, a download can start."),
    QT_TRANSLATE_NOOP("CoreText",
                      "No application answered the link test before: the STB was off, or its application has \"PC "
                      "COM\" off (an upload needs that menu item on)."),
    QT_TRANSLATE_NOOP("CoreText", "no 'C' within %1 s."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The STB did not start, or what it sends does not reach the PC: check its power, and that the "
                      "cable is a null-modem cable (TX and RX crossed, ground joined)."),
    QT_TRANSLATE_NOOP("CoreText", "No serial port is there: plug in the adapter."),
    QT_TRANSLATE_NOOP("CoreText", "The serial ports are: %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1 does not exist."),
    QT_TRANSLATE_NOOP("CoreText", "Plug the adapter in, or choose another port."),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not a serial port: it is %2."),
    QT_TRANSLATE_NOOP("CoreText",
                      "a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)"),
    QT_TRANSLATE_NOOP("CoreText", "made by %1"),
    QT_TRANSLATE_NOOP("CoreText", "serial number %1"),
    QT_TRANSLATE_NOOP("CoreText", "Choose a serial port."),
    QT_TRANSLATE_NOOP(
        "CoreText", "Windows keeps no permissions on COM ports; a port another program holds shows when it is opened."),
    QT_TRANSLATE_NOOP("CoreText", "there is no serial port to look at."),
    QT_TRANSLATE_NOOP("CoreText", "%1 may read and write it (group '%2', mode %3)."),
    QT_TRANSLATE_NOOP("CoreText", "%1 may not read and write it (group '%2', %3; mode %4)."),
    QT_TRANSLATE_NOOP("CoreText", "you are in it"),
    QT_TRANSLATE_NOOP("CoreText", "you are not in it"),
    QT_TRANSLATE_NOOP("CoreText",
                      "The device's mode shuts its group out: 'sudo chmod g+rw %1' until it is plugged in again; a "
                      "udev rule that sets MODE=\"0660\" keeps it."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "You are listed in '%1' but this session started before that: log out and in again (or run 'newgrp %1')."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The device belongs to root alone. A udev rule giving it to the 'dialout' group "
                      "(GROUP=\"dialout\", MODE=\"0660\") lets the group in; then join it with 'sudo usermod -aG "
                      "dialout $USER' and log out and in again."),
    QT_TRANSLATE_NOOP("CoreText", "Join the group: 'sudo usermod -aG %1 $USER', then log out and in again."),
    QT_TRANSLATE_NOOP("CoreText", "Windows tells who holds a port only by refusing to open it: see the line settings."),
    QT_TRANSLATE_NOOP("CoreText", "in use by %1."),
    QT_TRANSLATE_NOOP("CoreText", "The other end of this pseudo-terminal is %1."),
    QT_TRANSLATE_NOOP("CoreText", "Close that program (or end it with 'kill %1'), then check again."),
    QT_TRANSLATE_NOOP("CoreText", "no other program holds it (lock files and open files looked at)."),
    QT_TRANSLATE_NOOP("CoreText", "the port does not exist."),
    QT_TRANSLATE_NOOP("CoreText", "it is no serial port."),
    QT_TRANSLATE_NOOP("CoreText", "this user may not open the port."),
    QT_TRANSLATE_NOOP("CoreText", "%1 holds the port; opening it would take bytes from it."),
    QT_TRANSLATE_NOOP("CoreText", "115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted."),
    QT_TRANSLATE_NOOP("CoreText", "the port did not open at 115,200 8N1: %1."),
    QT_TRANSLATE_NOOP("CoreText", "unknown error"),
    QT_TRANSLATE_NOOP("CoreText", "The STB does not report its writing: check its display."),
    QT_TRANSLATE_NOOP("CoreText", "Can't write the report to %1: %2"),
    // What the check of a list finds (before saving, importing, and in
    // "dorvane check"); a name in quotes stays as it is.
    QT_TRANSLATE_NOOP("CoreText",
                      "channel %1 \"%2\" has the transponder (%3) and service id (%4) of channel %5 \"%6\"; "
                      "favourites of it come back as the other one"),
    QT_TRANSLATE_NOOP("CoreText", "transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6"),
    QT_TRANSLATE_NOOP("CoreText", "channel %1 \"%2\" stands on transponder %3, which is not in use"),
    QT_TRANSLATE_NOOP("CoreText", "channel %1 \"%2\" stands on transponder %3, which has no frequency (0 MHz)"),
    QT_TRANSLATE_NOOP("CoreText", "favourite group %1 place %2 names channel %3, which holds no channel"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "satellite %1 \"%2\" is in use but not in the satellite order list, so the editor does not show it"),
    QT_TRANSLATE_NOOP("CoreText", "satellite %1 \"%2\" is beyond the %3 satellites the file holds and is not written"),
    QT_TRANSLATE_NOOP("CoreText", "satellite order place %1 is beyond the %2 places the file holds and is not written"),
    QT_TRANSLATE_NOOP("CoreText", "satellite order place %1 names satellite %2, beyond the receiver's %3"),
    QT_TRANSLATE_NOOP("CoreText", "satellite order place %1 names satellite %2 a second time"),
    QT_TRANSLATE_NOOP("CoreText", "transponder %1 is on satellite %2, beyond the %3 satellites the file holds"),
    QT_TRANSLATE_NOOP("CoreText",
                      "1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz)."),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz)."),
    //: A line of a list of findings.
    QT_TRANSLATE_NOOP("CoreText", "- %1"),
    QT_TRANSLATE_NOOP("CoreText", "the file cannot be written back without losing data: %1"),
    // The comparison of two lists (the history window).
    QT_TRANSLATE_NOOP("CoreText", "No differences."),
    QT_TRANSLATE_NOOP("CoreText", "1 channel added"),
    QT_TRANSLATE_NOOP("CoreText", "%1 channels added"),
    QT_TRANSLATE_NOOP("CoreText", "1 channel removed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 channels removed"),
    //: Channels, in the summary of a comparison: "3 renamed".
    QT_TRANSLATE_NOOP("CoreText", "%1 renamed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 moved"),
    QT_TRANSLATE_NOOP("CoreText", "%1 with PIDs changed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 with other changes"),
    QT_TRANSLATE_NOOP("CoreText", "1 favourite group changed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 favourite groups changed"),
    QT_TRANSLATE_NOOP("CoreText", "1 satellite added"),
    QT_TRANSLATE_NOOP("CoreText", "%1 satellites added"),
    QT_TRANSLATE_NOOP("CoreText", "1 satellite removed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 satellites removed"),
    QT_TRANSLATE_NOOP("CoreText", "1 satellite changed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 satellites changed"),
    QT_TRANSLATE_NOOP("CoreText", "satellite order changed"),
    QT_TRANSLATE_NOOP("CoreText", "1 transponder added"),
    QT_TRANSLATE_NOOP("CoreText", "%1 transponders added"),
    QT_TRANSLATE_NOOP("CoreText", "1 transponder removed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 transponders removed"),
    QT_TRANSLATE_NOOP("CoreText", "1 transponder changed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 transponders changed"),
    QT_TRANSLATE_NOOP("CoreText", "Added channel %1"),
    QT_TRANSLATE_NOOP("CoreText", "Removed channel %1"),
    QT_TRANSLATE_NOOP("CoreText", "Renamed channel %1 to \"%2\""),
    QT_TRANSLATE_NOOP("CoreText", "Moved channel %1 to %2"),
    QT_TRANSLATE_NOOP("CoreText", "PIDs of channel %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Changed channel %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Favourite group %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Added satellite %1"),
    QT_TRANSLATE_NOOP("CoreText", "Removed satellite %1"),
    QT_TRANSLATE_NOOP("CoreText", "Changed satellite %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "The satellite order changed"),
    QT_TRANSLATE_NOOP("CoreText", "Added transponder %1"),
    QT_TRANSLATE_NOOP("CoreText", "Removed transponder %1"),
    QT_TRANSLATE_NOOP("CoreText", "Changed transponder %1: %2"),
    //: What changed in a record: "video type 1 -> 2".
    QT_TRANSLATE_NOOP("CoreText", "video type %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "flags %1 -> %2"),
    //: A teletext PID changed.
    QT_TRANSLATE_NOOP("CoreText", "ttxt %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "other bytes"),
    QT_TRANSLATE_NOOP("CoreText", "name \"%1\" -> \"%2\""),
    QT_TRANSLATE_NOOP("CoreText", "location %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "LNB frequency %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "LNB type %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "LNB power %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "DiSEqC port %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "dish position %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "symbol rate %1 -> %2"),
    QT_TRANSLATE_NOOP("CoreText", "TV name \"%1\" -> \"%2\""),
    QT_TRANSLATE_NOOP("CoreText", "radio name \"%1\" -> \"%2\""),
    //: The places of a favourite group's members changed.
    QT_TRANSLATE_NOOP("CoreText", "order changed"),
    // The printed channel list.
    QT_TRANSLATE_NOOP("CoreText", "Channels"),
    QT_TRANSLATE_NOOP("CoreText", "Favourite group %1: %2 / %3"),
    QT_TRANSLATE_NOOP("CoreText", "%1 (continued)"),
    QT_TRANSLATE_NOOP("CoreText", "Page %1 of %2"),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups"),
    //: A column of the printed list: the channel's name.
    QT_TRANSLATE_NOOP("CoreText", "Channel"),
    QT_TRANSLATE_NOOP("CoreText", "Satellite"),
    //: A column of the printed list: the frequency (MHz), abbreviated.
    QT_TRANSLATE_NOOP("CoreText", "Freq."),
    //: A column of the printed list: the polarisation, abbreviated.
    QT_TRANSLATE_NOOP("CoreText", "Pol"),
    QT_TRANSLATE_NOOP("CoreText", "Service id"),
    //: A column of the printed list: TV or radio.
    QT_TRANSLATE_NOOP("CoreText", "Type"),
    //: A column of the printed list: the channel's place in its favourite group.
    QT_TRANSLATE_NOOP("CoreText", "Place"),
    QT_TRANSLATE_NOOP("CoreText", "Radio"),
    // A channel-data file that cannot be read, or not written back whole.
    QT_TRANSLATE_NOOP("CoreText", "File open failed!"),
    QT_TRANSLATE_NOOP("CoreText", "Not enough memory for the backup data"),
    QT_TRANSLATE_NOOP("CoreText", "Backup data is corrupted (decompression failed)"),
    QT_TRANSLATE_NOOP("CoreText", "Backup data is truncated"),
    QT_TRANSLATE_NOOP("CoreText", "Invalid Backup Data"),
    //: A part of a file's layout that is not the receiver's: "channel records are 40 bytes, not 44".
    QT_TRANSLATE_NOOP("CoreText", "%1 are %2 bytes, not %3"),
    QT_TRANSLATE_NOOP("CoreText", "the file declares %1 %2, more than the %3 the table holds"),
    QT_TRANSLATE_NOOP("CoreText", "the prefix is %1 bytes, not 96"),
    QT_TRANSLATE_NOOP("CoreText", "satellite records"),
    QT_TRANSLATE_NOOP("CoreText", "transponder records"),
    QT_TRANSLATE_NOOP("CoreText", "channel records"),
    QT_TRANSLATE_NOOP("CoreText", "the favourites"),
    QT_TRANSLATE_NOOP("CoreText", "the favourite names"),
    //: What a file declares more of than the receiver's table holds.
    QT_TRANSLATE_NOOP("CoreText", "satellites"),
    QT_TRANSLATE_NOOP("CoreText", "transponders"),
    QT_TRANSLATE_NOOP("CoreText", "channels"),
    QT_TRANSLATE_NOOP("CoreText", "%1 channel record(s) name a transponder the file does not hold"),
    QT_TRANSLATE_NOOP("CoreText", "the payload holds %1 byte(s) behind its sections"),
    QT_TRANSLATE_NOOP("CoreText", "%1 favourite entr(ies) name no channel of the file and were left out"),
    // Ordering the channels after a reference list.
    QT_TRANSLATE_NOOP("CoreText", "%1 of %2 channels matched (%3 by identity, %4 by name); %5"),
    QT_TRANSLATE_NOOP("CoreText", "none left over"),
    QT_TRANSLATE_NOOP("CoreText", "%1 not matched go to the end from number %2"),
    QT_TRANSLATE_NOOP("CoreText", "1 reference entry found no channel"),
    QT_TRANSLATE_NOOP("CoreText", "%1 reference entries found no channel"),
    QT_TRANSLATE_NOOP("CoreText", "too large for a reference list (more than 16 MiB)"),
    QT_TRANSLATE_NOOP("CoreText", "line %1: neither a name nor frequency and service id"),
    QT_TRANSLATE_NOOP("CoreText", "not a text list (it holds NUL bytes)"),
    QT_TRANSLATE_NOOP("CoreText", "the list names no channel"),
    //: Two channels the file cannot tell apart (a favourite of either comes back as the first).
    QT_TRANSLATE_NOOP("CoreText", "\"%1\" (channel %2) has the transponder and service id of \"%3\" (channel %4)."),
    // What an import of a channel table did (the editor shows it after the import).
    QT_TRANSLATE_NOOP("CoreText", "Applied: %1 of %2 rows changed a channel"),
    //: %3: the columns that changed and how often ("name 2, videoPid 1").
    QT_TRANSLATE_NOOP("CoreText", "Applied: %1 of %2 rows changed a channel (%3)"),
    //: %1: a column's name as the table has it.
    QT_TRANSLATE_NOOP("CoreText", "Ignored column: %1 (not a column of the table)"),
    //: %1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).
    QT_TRANSLATE_NOOP("CoreText", "Ignored column: %1 (they find the channel; not changed)"),
    QT_TRANSLATE_NOOP("CoreText", "Ignored column: number (a hint where the channel stands; not changed)"),
    //: %1: columns shown for reading only (transponder, cas, kind).
    QT_TRANSLATE_NOOP("CoreText", "Ignored column: %1 (not imported)"),
    QT_TRANSLATE_NOOP("CoreText", "Ignored: %1"),
    QT_TRANSLATE_NOOP("CoreText",
                      "row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers "
                      "(Move in the editor changes the order)"),
    QT_TRANSLATE_NOOP("CoreText", "Note: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Note: %1 more"),
    QT_TRANSLATE_NOOP("CoreText",
                      "line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and "
                      "service id)"),
    //: %2: a column's name.
    QT_TRANSLATE_NOOP("CoreText", "line %1, %2: \"%3\" differs from the channel's \"%4\": not imported"),
    // Why an import was refused ("Nothing was imported: %1"): the table's
    // line and column, or the JSON path ("$.channels[3].name"), and what is
    // wrong there.
    QT_TRANSLATE_NOOP("CoreText", "line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8"),
    QT_TRANSLATE_NOOP("CoreText", "line 1: no header row"),
    QT_TRANSLATE_NOOP("CoreText", "line %1: a quoted field is not closed"),
    //: %1: a column's name (satellite, frequency, polarisation, serviceId).
    QT_TRANSLATE_NOOP("CoreText",
                      "line 1: no \"%1\" column; a row finds its channel by satellite, frequency, polarisation and "
                      "serviceId"),
    //: %2: a column's name, %3: what is wrong with its value.
    QT_TRANSLATE_NOOP("CoreText", "line %1, %2: %3"),
    QT_TRANSLATE_NOOP("CoreText", "expected a satellite number %1..%2"),
    QT_TRANSLATE_NOOP("CoreText", "expected a channel number %1..%2"),
    QT_TRANSLATE_NOOP("CoreText", "expected an integer %1..%2"),
    QT_TRANSLATE_NOOP("CoreText", "expected V(R) or H(L)"),
    QT_TRANSLATE_NOOP("CoreText",
                      "line %1: no channel has %2; the channel data changed since the table was made, or the row was "
                      "edited there"),
    QT_TRANSLATE_NOOP("CoreText", "line %1: channels %2 all have %3; the number column must name one of them"),
    //: Where a channel is: "satellite 1, 11494 MHz H(L), service id 28006".
    QT_TRANSLATE_NOOP("CoreText", "satellite %1, %2 MHz %3, service id %4"),
    QT_TRANSLATE_NOOP("CoreText", "line %1: channel %2 given twice (line %3)"),
    QT_TRANSLATE_NOOP("CoreText", "the name holds a character the file cannot store (only Latin-1, no NUL)"),
    QT_TRANSLATE_NOOP("CoreText", "the name is longer than %1 characters"),
    QT_TRANSLATE_NOOP("CoreText", "an unterminated name fills all %1 bytes of its field and has no tail"),
    QT_TRANSLATE_NOOP("CoreText", "the name and its tail do not fit the %1-byte field"),
    //: %3: what Qt says is wrong with the JSON (Qt's own translation).
    QT_TRANSLATE_NOOP("CoreText", "$: not valid JSON at byte %1 (line %2): %3"),
    QT_TRANSLATE_NOOP("CoreText", "$: expected an object"),
    //: $%1: a place in the JSON ("$.channels[3].name"), %2: what is wrong there.
    QT_TRANSLATE_NOOP("CoreText", "$%1: %2"),
    //: A refusal and the line of the JSON file where its record begins.
    QT_TRANSLATE_NOOP("CoreText", "%1 (line %2)"),
    QT_TRANSLATE_NOOP("CoreText", "expected an object"),
    QT_TRANSLATE_NOOP("CoreText", "expected an array"),
    //: A value the JSON must have and does not.
    QT_TRANSLATE_NOOP("CoreText", "missing"),
    QT_TRANSLATE_NOOP("CoreText", "expected a string"),
    QT_TRANSLATE_NOOP("CoreText", "expected a string of hex digits"),
    QT_TRANSLATE_NOOP("CoreText", "expected hex digits"),
    QT_TRANSLATE_NOOP("CoreText", "expected an even number of hex digits"),
    QT_TRANSLATE_NOOP("CoreText", "expected %1 bytes"),
    QT_TRANSLATE_NOOP("CoreText", "expected true or false"),
    QT_TRANSLATE_NOOP("CoreText", "a kind-1 prefix holds at most 272 bytes"),
    QT_TRANSLATE_NOOP("CoreText", "this data cannot be written back whole: %1"),
    //: satelliteCount: the key of the JSON's header, as the file has it.
    QT_TRANSLATE_NOOP("CoreText", "more entries than the header's satelliteCount (%1)"),
    QT_TRANSLATE_NOOP("CoreText", "given twice"),
    QT_TRANSLATE_NOOP("CoreText", "more than %1 members"),
    //: A channel's transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).
    QT_TRANSLATE_NOOP("CoreText", "transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5"),
    QT_TRANSLATE_NOOP("CoreText", "transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz"),
    //: %5: the polarisation the channel gives, as the file has it.
    QT_TRANSLATE_NOOP("CoreText", "transponder %1 is %2 MHz %3 on satellite %4, not %5"),
    // The command line's connection check.
    QT_TRANSLATE_NOOP("CoreText", "Checking %1: %2 (--port chooses another)."),
    QT_TRANSLATE_NOOP("CoreText", "no serial port found: plug in the adapter, or name the port with --port."),
};

// What joins the items of a list the core put together; coreText() puts
// them in the language's own punctuation. Not texts of their own.
[[maybe_unused]] const char* const kSeparators[] = {
    //: Between the items of a list the core put together ("3 channels added, 1 renamed").
    QT_TRANSLATE_NOOP("CoreText", ", "),
    //: Between the reasons of a list the core put together ("a; b").
    QT_TRANSLATE_NOOP("CoreText", "; "),
};

// The parts that are names (a file's, a favourite group's) where the text
// does not put them in quotes: they stay as they are.
const CoreTextNames kNames[] = {
    {"File Name : %1", "1"},
    {"Applied: %1 of %2 rows changed a channel (%3)", "3"},
    {"Ignored column: %1 (not a column of the table)", "1"},
    {"Ignored column: %1 (they find the channel; not changed)", "1"},
    {"Ignored column: %1 (not imported)", "1"},
    {"line %1, %2: \"%3\" differs from the channel's \"%4\": not imported", "2"},
    {"line %1, %2: %3", "2"},
    {"$: not valid JSON at byte %1 (line %2): %3", "3"},
    {"$%1: %2", "1"},
    {"transponder %1 is %2 MHz %3 on satellite %4, not %5", "5"},
    {"Favourite group %1: %2 / %3", "23"},
    {"%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups", "12"},
};

}  // namespace

std::span<const char* const> coreTextSources() { return kTexts; }

std::span<const CoreTextNames> coreTextNames() { return kNames; }

}  // namespace dorvane

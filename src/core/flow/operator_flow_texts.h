#pragma once

// The operator flow's own texts, shared by its source files.

#include <cstdio>
#include <string>

namespace dorvane::flow_texts {

template <class... Args>
inline std::string format(const char* pattern, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

// Other downloads than the boot loader's fill the whole bar with their blocks.
inline constexpr int kWholeTransferScale = 100;
// The upload bar starts here once the command went out; the received share
// of the announced length comes on top.
inline constexpr int kUploadProgressStart = 3;
// The work file an upload is saved through, beside its target.
inline constexpr char kUploadWorkFile[] = "_stbdata.irz";

inline constexpr char kNoFile[] = "Please, Open a File to be downloaded!";
inline constexpr char kPortClosed[] = "Can't open Serial Port! Please, Check your Serial port setting!";
inline constexpr char kTurnOff[] = "Before download start, You should turn off the Power of STB";
inline constexpr char kTurnOn[] =
    "Before upload start, You should turn on the Power of STB and activate 'PC COM' item in 'Software Transfer' menu";
inline constexpr char kRefused[] = "This image can't be downloaded your STB!";
inline constexpr char kAckEnd[] =
    "Downloading stopped successfully. \nYou should Check LCD window whether STB has remain job or not!";
inline constexpr char kEnqEnd[] = "Downloading stopped successfully. \nYour STB will restart now!";
inline constexpr char kTimeoutBox[] = "Timeout occurred! Please, Check your STB, And retry!";
inline constexpr char kPortFailedLine[] = "Serial Port Error! The port stopped working.";
inline constexpr char kPortFailedBox[] = "Serial Port Error! Please, Check your Serial port and STB, And retry!";
inline constexpr char kTooManyErrorsLine[] = "Transferring failed! Too many errors on the line.";
inline constexpr char kTooManyErrorsBox[] = "Too many errors on the line! Please, Check your cable and STB, And retry!";
inline constexpr char kUploadFailedLine[] = "Uploading failed!";
inline constexpr char kUploadFailedBox[] =
    "Uploading failed! The file was not changed. Please, Check your STB, And retry!";
inline constexpr char kUploadUnchanged[] = "The file was not changed.";
inline constexpr char kNotChannelData[] = "The received data is not channel data: %s.";
inline constexpr char kSizesDisagree[] = "The STB announced %u bytes and sent %u.";
inline constexpr char kEndMissing[] = "All the data arrived, but the STB did not end the file (it may have restarted).";
inline constexpr char kOpenWhileBusy[] = "You can't open a file on downloading...";
inline constexpr char kWritingSilentLine[] = "The STB stopped reporting while writing its memory.";
inline constexpr char kWritingSilentBox[] =
    "The STB stopped reporting while writing its memory! \nDo not switch it off until its own display says it is done.";
inline constexpr char kSourceFailedBox[] = "Downloading failed! The file could not be read to its end: %s";
inline constexpr char kRestartedLine[] = "The STB restarted before it finished writing! The image was not written.";
inline constexpr char kRestartedBox[] =
    "The STB restarted before it finished writing! The image was not written. \nPlease, Switch off the STB, "
    "start the download, then switch on the STB.";
inline constexpr char kMoreFilesLine[] = "The STB offered more than one file; only the first was received.";

}  // namespace dorvane::flow_texts

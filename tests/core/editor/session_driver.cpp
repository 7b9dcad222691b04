#include "editor/session_driver.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"

namespace dorvane::test {

bool ScriptedQuestions::confirm(const std::string& text) {
    asked.push_back(text);
    return answer;
}

bool ScriptedQuestions::ask(const std::string& text, const std::string&, const std::string&) {
    asked.push_back(text);
    return answer;
}

SessionQuestions::SaveChoice ScriptedQuestions::askToSave(const std::string& text) {
    asked.push_back(text);
    return saveChoice;
}

void ScriptedQuestions::tell(const std::string& text, bool) { told.push_back(text); }

int ScriptedQuestions::choose(const std::string& text, const std::vector<std::string>&) {
    asked.push_back(text);
    return choice;
}

std::vector<std::uint8_t> packedBytes(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 53736) != PackResult::Ok) return {};
    const auto bytes = buffer->contents();
    return {bytes.begin(), bytes.end()};
}

SessionStep SessionDriver::step() {
    const auto which = static_cast<SessionStep>(pick(static_cast<unsigned>(SessionStep::Count)));
    step(which);
    return which;
}

void SessionDriver::step(SessionStep which) {
    switch (which) {
        case SessionStep::Choice: choose(); break;
        case SessionStep::Select: select(); break;
        case SessionStep::Search: search(); break;
        case SessionStep::EditChannel: editChannel(); break;
        case SessionStep::EditTransponder: editTransponder(); break;
        case SessionStep::EditSatellite: editSatellite(); break;
        case SessionStep::Add: add(); break;
        case SessionStep::Delete: remove(); break;
        case SessionStep::Move: move(); break;
        case SessionStep::Favourite: favourite(); break;
        case SessionStep::Rename: rename(); break;
        case SessionStep::Undo: session_.undo(); break;
        case SessionStep::Redo: session_.redo(); break;
        case SessionStep::Save: session_.save(); break;
        case SessionStep::Import: import(); break;
        case SessionStep::CopyFromFile: copyFromFile(); break;
        case SessionStep::CleanUp: cleanUp(); break;
        case SessionStep::Order: order(); break;
        case SessionStep::Count: break;
    }
}

std::vector<int> SessionDriver::someOf(const std::vector<int>& ids) {
    std::vector<int> chosen;
    if (ids.empty()) return chosen;
    const unsigned count = 1 + pick(4);
    const unsigned start = pick(static_cast<unsigned>(ids.size()));
    for (unsigned k = 0; k < count && start + k < ids.size(); ++k) chosen.push_back(ids[start + k]);
    return chosen;
}

void SessionDriver::choose() {
    switch (pick(6)) {
        case 0: session_.setView(static_cast<EditorView>(pick(3))); break;
        case 1: session_.setSearchedOnly(pick(2) == 0); break;
        case 2: session_.setKindFilter(static_cast<KindFilter>(pick(3))); break;
        case 3: session_.setAccessFilter(static_cast<AccessFilter>(pick(3))); break;
        case 4: session_.setSortOrder(static_cast<int>(pick(3))); break;
        default: session_.sortByColumn(static_cast<int>(pick(kChannelColumns))); break;
    }
}

void SessionDriver::select() {
    switch (pick(4)) {
        case 0: session_.selectLeft(pick(3) == 0 ? session_.leftRows() : someOf(session_.leftRows())); break;
        case 1: session_.selectMiddle(someOf(session_.middleRows())); break;
        case 2: session_.selectChannels(someOf(session_.channelRows())); break;
        default: session_.activate(static_cast<EditorList>(pick(4))); break;
    }
}

void SessionDriver::search() {
    static const char* const kTexts[] = {"", "a", "SPORT", "1", "news", "4242", " x "};
    const int channel = pickOf(session_.channelRows());
    if (pick(2) == 0 && channel >= 0) {
        session_.setSearchText(fixedText(session_.database().channel(channel).name).substr(0, 1 + pick(5)));
        return;
    }
    session_.setSearchText(kTexts[pick(7)]);
}

std::uint16_t SessionDriver::uniqueServiceId() {
    // Above what the demo and full databases use.
    return static_cast<std::uint16_t>(60000 + (serial_++ % 5000));
}

std::uint16_t SessionDriver::freeFrequency(int satellite, int polarisation) {
    const ReceiverDatabase& db = session_.database();
    for (int tries = 0; tries < 4000; ++tries) {
        const int frequency = 3000 + static_cast<int>((serial_++ * 7919u) % 9000u);
        bool collides = false;
        for (int t = 0; t < kTransponderSlots && !collides; ++t) {
            const TransponderRecord& tp = db.transponder(t);
            collides = !transponderFree(tp) && transpondersCollide(satellite, polarisation, frequency, tp.satellite,
                                                                   tp.polarisation, tp.frequency);
        }
        if (!collides) return static_cast<std::uint16_t>(frequency);
    }
    return 0;
}

// Edits look for their record: with nothing listed, the search is cleared
// and every satellite chosen, as an operator would.
void SessionDriver::findSomething() {
    if (session_.traits().favourite) session_.setView(EditorView::Satellites);
    session_.setSearchText("");
    session_.setKindFilter(KindFilter::All);
    session_.setAccessFilter(AccessFilter::All);
    session_.selectLeft(session_.leftRows());
}

void SessionDriver::editChannel() {
    if (session_.channelRows().empty()) findSomething();
    const int channel = pickOf(session_.channelRows());
    if (channel < 0) return;
    ChannelRecord record = session_.database().channel(channel);
    switch (pick(3)) {
        case 0: setFixedText(record.name, "Edited " + std::to_string(serial_++)); break;
        case 1: record.videoPid = static_cast<std::uint16_t>(pick(8192)); break;
        default: record.serviceId = uniqueServiceId(); break;
    }
    session_.editChannel(channel, record);
}

void SessionDriver::editTransponder() {
    if (session_.traits().favourite || session_.middleRows().empty()) findSomething();
    const int number = pickOf(session_.middleRows());
    if (number < 0) return;
    TransponderRecord record = session_.database().transponder(number);
    if (pick(2) == 0) {
        record.symbolRate = static_cast<std::uint16_t>(1000 + pick(30000));
    } else {
        record.fec = static_cast<std::uint8_t>(pick(13));
    }
    session_.editTransponder(number, record);
}

void SessionDriver::editSatellite() {
    if (session_.traits().favourite || session_.leftRows().empty()) findSomething();
    const int slot = pickOf(session_.leftRows());
    if (slot < 0) return;
    SatelliteRecord record = session_.database().satellite(slot);
    if (pick(2) == 0) {
        setFixedText(record.name, "Sat " + std::to_string(serial_++));
    } else {
        record.tone22k = static_cast<std::uint8_t>(pick(2));
    }
    session_.editSatellite(slot, record);
}

// Add, then what its edit dialog would do: a new record gets what makes it
// valid; sometimes the dialog is cancelled.
void SessionDriver::add() {
    if (!session_.traits().favourite) session_.activate(static_cast<EditorList>(1 + pick(3)));
    const EditorSession::AddStart start = session_.add();
    if (start.id < 0) return;
    const ReceiverDatabase& db = session_.database();
    if (pick(4) == 0) {
        session_.dropAdd();
        return;
    }
    if (start.list == EditorList::Left) {
        SatelliteRecord record = db.satellite(start.id);
        record.location = static_cast<std::int16_t>(1 + start.id * 7);
        session_.editSatellite(start.id, record);
    } else if (start.list == EditorList::Middle) {
        TransponderRecord record = db.transponder(start.id);
        record.frequency = freeFrequency(record.satellite, record.polarisation);
        if (record.frequency == 0) {
            session_.dropAdd();
            return;
        }
        session_.editTransponder(start.id, record);
    } else {
        ChannelRecord record = db.channel(start.id);
        record.serviceId = uniqueServiceId();
        session_.editChannel(start.id, record);
    }
    session_.keepAdd();
}

// A few rows of one list, chosen first, as an operator deletes.
void SessionDriver::remove() {
    if (!session_.traits().favourite) {
        switch (pick(3)) {
            case 0:
                session_.selectLeft(someOf(session_.leftRows()));
                session_.activate(EditorList::Left);
                break;
            case 1: session_.selectMiddle(someOf(session_.middleRows())); break;
            default: session_.selectChannels(someOf(session_.channelRows())); break;
        }
    }
    questions_.answer = pick(4) != 0;
    session_.remove();
    questions_.answer = true;
}

void SessionDriver::move() {
    if (session_.traits().favourite) {
        session_.selectMiddle(someOf(session_.middleRows()));
        session_.startMove();
        const int destination = pickOf(session_.middleRows());
        if (pick(5) == 0 || destination < 0)
            session_.cancelMove();
        else
            session_.moveTo(destination);
        session_.cancelMove();
        return;
    }
    if (session_.selectedLeft().size() != 1) session_.selectLeft({pickOf(session_.leftRows())});
    session_.selectChannels(someOf(session_.channelRows()));
    session_.startMove();
    const int destination = pickOf(session_.channelRows());
    if (pick(5) == 0 || destination < 0)
        session_.cancelMove();
    else
        session_.moveTo(destination);
    session_.cancelMove();  // a destination among the marked ones leaves it pending
}

void SessionDriver::favourite() {
    if (!session_.traits().favourite) session_.setView(pick(2) == 0 ? EditorView::FavTv : EditorView::FavRadio);
    session_.selectLeft({static_cast<int>(pick(kFavoriteGroups))});
    switch (pick(3)) {
        case 0:
            session_.selectChannels(someOf(session_.channelRows()));
            session_.add();
            break;
        case 1:
            session_.selectMiddle(someOf(session_.middleRows()));
            session_.remove();
            break;
        default: move(); break;
    }
}

void SessionDriver::rename() {
    if (!session_.traits().favourite) return;
    session_.renameGroup(session_.currentGroup(), "G" + std::to_string(serial_++ % 1000000));
}

// An import changes some channels' names, or fails and must change
// nothing.
void SessionDriver::import() {
    if (importStep_) {
        importStep_(session_, [this](unsigned count) { return pick(count); });
        return;
    }
    const int channel = pickOf(session_.channelRows());
    const bool fails = pick(3) == 0;
    const std::string name = "Imported " + std::to_string(serial_++);
    session_.import(
        [channel, fails, name](ReceiverDatabase& db) -> Status {
            if (channel >= 0) setFixedText(db.channel(channel).name, name);
            if (fails) return {Error::Corrupt, "line 2: refused"};
            return {};
        },
        false);
}

// A few records of the second file, copied over as the side panel does.
// "Keep both" makes twins the check before saving reports, so the careful
// operator skips or replaces; sometimes the question is cancelled.
void SessionDriver::copyFromFile() {
    if (!copySource_) return;
    const ReceiverDatabase& source = *copySource_;
    CopySelection selection;
    switch (pick(4)) {
        case 0: selection.satellites = {static_cast<int>(pick(kEditableSatellites))}; break;
        case 1: selection.transponders = {static_cast<int>(pick(kTransponderSlots))}; break;
        case 2: {
            const int first = static_cast<int>(pick(kChannelSlots));
            for (int n = first; n < std::min(first + 1 + static_cast<int>(pick(6)), kChannelSlots); ++n)
                selection.channels.push_back(n);
            break;
        }
        default: selection.groups = {static_cast<int>(pick(kFavoriteGroups))}; break;
    }
    const unsigned answer = pick(5);
    questions_.choice = answer == 4 ? 3 : static_cast<int>(answer % 2);
    if (pick(3) == 0) {
        session_.copyFrom(source, selection, static_cast<DuplicateChoice>(pick(2)));
    } else {
        session_.copyFrom(source, selection);
    }
    questions_.choice = 0;
}

void SessionDriver::cleanUp() {
    switch (pick(4)) {
        case 0: session_.setDuplicatesOnly(pick(2) == 0); break;
        case 1: session_.selectAllDuplicates(); break;
        default:
            questions_.answer = pick(4) != 0;
            session_.removeUnusedTransponders();
            questions_.answer = true;
            break;
    }
}

// The order of the whole table: a move across satellites, a move to a
// number, a swap, a sort kept, or a reference list.
void SessionDriver::order() {
    if (session_.traits().favourite) session_.setView(EditorView::Satellites);
    const std::vector<int> rows = session_.channelRows();
    switch (pick(5)) {
        case 0: {
            session_.selectLeft(session_.leftRows());
            session_.selectChannels(someOf(session_.channelRows()));
            session_.dropChannelsOnChannel(pickOf(session_.channelRows()));
            break;
        }
        case 1:
            session_.selectChannels(someOf(rows));
            session_.moveToNumber(static_cast<int>(pick(kChannelSlots + 2)) - 1);
            break;
        case 2:
            session_.selectChannels({pickOf(rows), pickOf(rows)});
            session_.swapChannels();
            break;
        case 3:
            session_.selectChannels(pick(2) == 0 ? rows : someOf(rows));
            session_.sortAndKeep(static_cast<ChannelSortKey>(pick(3)));
            break;
        default: applyReference(); break;
    }
}

// A reference from the session's own channels, shuffled in part, some
// entries only by name, some renamed so that they find nothing.
void SessionDriver::applyReference() {
    ChannelReference reference = referenceFromDatabase(session_.database());
    auto& entries = reference.channels;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        switch (pick(8)) {
            case 0: std::swap(entries[k], entries[pick(static_cast<unsigned>(entries.size()))]); break;
            case 1: entries[k].serviceId = -1; break;  // by name
            case 2:
                entries[k].name = "Nowhere " + std::to_string(serial_++);
                entries[k].serviceId = -1;
                break;
            case 3: entries[k].frequency += static_cast<int>(pick(5)) - 2; break;
            default: break;
        }
    }
    if (pick(2) == 0) reference.hasFavourites = false;
    session_.applyReference(reference, pick(2) == 0);
}

bool SessionDriver::noOpEditChangesNothing() {
    const ReceiverDatabase& db = session_.database();
    const std::size_t depth = session_.history().undoDepth();
    const bool dirty = session_.isDirty();
    const std::vector<std::uint8_t> before = packedBytes(db);
    const int slot = pickOf(session_.leftRows());
    const int tp = pickOf(session_.middleRows());
    const int channel = pickOf(session_.channelRows());
    Change changed;
    if (!session_.traits().favourite) {
        if (slot >= 0) changed |= session_.editSatellite(slot, db.satellite(slot));
        if (tp >= 0) changed |= session_.editTransponder(tp, db.transponder(tp));
    } else {
        const int group = session_.currentGroup();
        changed |=
            session_.renameGroup(group, session_.traits().kind == 0 ? db.tvGroupName(group) : db.radioGroupName(group));
    }
    if (channel >= 0) changed |= session_.editChannel(channel, db.channel(channel));
    return !changed.any() && depth == session_.history().undoDepth() && dirty == session_.isDirty() &&
           before == packedBytes(db);
}

}  // namespace dorvane::test

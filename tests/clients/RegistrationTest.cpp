#include "clients/Registration.h"
#include "clients/ClientFile.h"
#include "clients/RegistrationSequence.h"
#include "shell/RunState.h"
#include "support/RegistrationFixture.h"

#include <filesystem>

namespace {
class RegistrationTest : public RegistrationWindowTest {};
} // namespace

TEST_F(RegistrationTest, UnreadableOrUnwritableFileChangesNeitherMemoryNorCount) {
    UseClients({SampleClient("One"), SampleClient("Two")});
    std::filesystem::remove(data.file("DATA401.TRV"));
    ClientTable[2].Name = "Kept";
    EXPECT_EQ(RestoreClientFromFile(2).number, 71);
    EXPECT_EQ(ClientTable[2].Name.trimmed(), "Kept") << "a failed reload leaves memory as it was";

    CurrentClient = 3;
    ClientTable[3] = SampleClient("Three");
    EXPECT_EQ(StoreClientAnswers(std::string(149, '2'), true).number, 71);
    EXPECT_EQ(ClientCount, 2) << "a client whose record was not written is not counted in";
    EXPECT_FALSE(DataDiskFull());
}

namespace {
using Step = RegistrationStep;
constexpr auto None = Step::Finished; // a registration cancelled nowhere

struct SequenceCase {
    RegistrationKind kind;
    bool answersFirst;
    Step cancelAt;
    std::vector<Step> visited;
    int16_t countAfter, currentAfter;
    bool completed;
};
} // namespace

// Each step does what its window does on OK; at `cancelAt` the window closes any other way.
TEST_F(RegistrationTest, SequenceStepsCancelsSavePointsAndTheCurrentClientAfterwards) {
    using enum RegistrationKind;
    const std::vector<Step> keyed = {Step::ClientInformation, Step::CourtHistory, Step::Answers};
    const std::vector<Step> scanned = {Step::AnswersFirst, Step::ClientInformation, Step::CourtHistory,
                                       Step::Answers};
    const SequenceCase cases[] = {
        {NewClient, false, Step::ClientInformation, {Step::ClientInformation}, 2, 2, false},
        {NewClient, false, Step::CourtHistory, {Step::ClientInformation, Step::CourtHistory}, 2, 2, false},
        {NewClient, false, Step::Answers, keyed, 2, 2, false},
        {NewClient, false, None, keyed, 3, 3, true},
        {NewClient, true, Step::AnswersFirst, {Step::AnswersFirst}, 2, 2, false},
        {NewClient, true, Step::Answers, scanned, 2, 2, false},
        {NewClient, true, None, scanned, 3, 3, true},
        {EditClient, false, Step::CourtHistory, {Step::ClientInformation, Step::CourtHistory}, 2, 1, false},
        {EditClient, false, None, keyed, 2, 1, true},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << (&c - cases));
        UseClients({SampleClient("One"), SampleClient("Two")});
        CurrentClient = c.kind == NewClient ? 2 : 1;
        Proceed = true; // left over from an earlier window
        RegistrationSequence sequence(c.kind, c.answersFirst);
        ASSERT_EQ(sequence.Start(), RegistrationStart::Started);
        std::vector<Step> visited;
        for (Step s = sequence.Step(); s != Step::Finished;) {
            EXPECT_FALSE(Proceed) << "each window starts with Proceed cleared";
            visited.push_back(s);
            bool ok = s != c.cancelAt;
            if (ok && s == Step::ClientInformation)
                ok = StoreClientInformation(ClientInfoFromRecord(SampleClient("Three")), 0, 0).outcome ==
                     ClientInfoOutcome::Continue;
            if (ok && s == Step::Answers)
                ok = StoreClientAnswers(std::string(149, '2'), !EditExisting).ok();
            s = sequence.StepClosed(ok);
        }
        EXPECT_EQ(visited, c.visited);
        EXPECT_EQ(ClientCount, c.countAfter);
        EXPECT_EQ(CurrentClient, c.currentAfter);
        EXPECT_EQ(sequence.Completed(), c.completed);
        EXPECT_EQ(FileBytes().size(), 235u * static_cast<std::size_t>(c.countAfter));
        if (c.kind == NewClient && !c.completed) {
            EXPECT_EQ(ClientTable[3], ClientRecord{}) << "an abandoned new client leaves no trace";
        }
    }
}

TEST_F(RegistrationTest, AFullDiskOrNoCurrentClientStartsNothing) {
    std::vector<ClientRecord> clients(MaxClients, SampleClient("Client"));
    UseClients(clients);
    RegistrationSequence add(RegistrationKind::NewClient, false);
    EXPECT_EQ(add.Start(), RegistrationStart::DataDiskFull);
    EXPECT_EQ(add.Step(), RegistrationStep::Finished);
    CurrentClient = 0;
    RegistrationSequence edit(RegistrationKind::EditClient, false);
    EXPECT_EQ(edit.Start(), RegistrationStart::NoClient);
    EXPECT_EQ(ClientCount, MaxClients);
}

TEST_F(RegistrationTest, ClientInformationOfANewClientStaysInMemoryAndAnEditIsWrittenAtOnce) {
    UseClients({SampleClient("One")});
    const std::string before = FileBytes();
    EditExisting = false;
    const auto values = ClientInfoFromRecord(SampleClient("Two"));
    EXPECT_EQ(StoreClientInformation(values, 0, 0).outcome, ClientInfoOutcome::Continue);
    EXPECT_EQ(CurrentClient, 2);
    EXPECT_EQ(ClientTable[2].Name.trimmed(), "Two");
    EXPECT_EQ(FileBytes(), before);

    EditExisting = true;
    CurrentClient = 1;
    EXPECT_EQ(StoreClientInformation(ClientInfoFromRecord(ClientTable[1]), 0, 0).outcome,
              ClientInfoOutcome::Continue);
    EXPECT_EQ(FileBytes(), before) << "an unchanged edit writes nothing";
    EXPECT_EQ(StoreClientInformation(values, 0, 1).outcome, ClientInfoOutcome::Continue);
    EXPECT_EQ(FileBytes().substr(0, 25), "Two                      ");
    EXPECT_EQ(ClientTable[1].EditCount.trimmed(), "1");

    std::filesystem::remove(data.file("DATA401.TRV"));
    const ClientRecord kept = ClientTable[1];
    const auto failed = StoreClientInformation(ClientInfoFromRecord(SampleClient("Other")), 1, 2);
    EXPECT_EQ(failed.outcome, ClientInfoOutcome::WriteFailed);
    EXPECT_EQ(failed.error.number, 71);
    EXPECT_EQ(ClientTable[1], kept) << "memory stays as the file has it";
}

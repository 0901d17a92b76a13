#include "clients/ClientRecord.h"

namespace {
template <std::size_t N> void Put(std::string& out, const FixedText<N>& f) { out.append(f.data(), N); }

template <std::size_t N> void Take(std::string_view& in, FixedText<N>& f) {
    f.assign(in.substr(0, std::min(N, in.size())));
    in.remove_prefix(std::min(N, in.size()));
}
} // namespace

std::string ClientRecord::ToBytes() const {
    std::string out;
    out.reserve(ClientRecordSize);
    Put(out, Name);
    Put(out, SSN);
    Put(out, Age);
    Put(out, Gender);
    Put(out, Race);
    Put(out, Education);
    Put(out, Marital);
    Put(out, DateOfBirth);
    Put(out, TestDate);
    for (const auto& c : CourtHistory)
        Put(out, c);
    Put(out, Responses);
    Put(out, EditCount);
    Put(out, NameDeleted);
    return out;
}

ClientRecord ClientRecord::FromBytes(std::string_view in) {
    ClientRecord r;
    Take(in, r.Name);
    Take(in, r.SSN);
    Take(in, r.Age);
    Take(in, r.Gender);
    Take(in, r.Race);
    Take(in, r.Education);
    Take(in, r.Marital);
    Take(in, r.DateOfBirth);
    Take(in, r.TestDate);
    for (auto& c : r.CourtHistory)
        Take(in, c);
    Take(in, r.Responses);
    Take(in, r.EditCount);
    Take(in, r.NameDeleted);
    return r;
}

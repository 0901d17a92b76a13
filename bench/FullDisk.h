#pragma once
// A full data disk for the benchmarks: 51 clients with varied demographics, court history and answers.
#include "clients/ClientFile.h"

#include <random>
#include <string>

inline void FillClients() {
    std::mt19937 rng(401);
    for (int slot = 1; slot <= MaxClients; ++slot) {
        ClientRecord r;
        r.Name = "Client " + std::to_string(slot);
        r.SSN = "000-00-" + std::to_string(1000 + slot);
        r.Age = std::to_string(18 + slot);
        r.Gender = std::to_string(1 + slot % 2);
        r.Race = std::to_string(slot % 7);
        r.Education = std::to_string(6 + slot % 10);
        r.Marital = std::to_string(slot % 6);
        r.DateOfBirth = "01/15/1980";
        r.TestDate = "12/01/2026";
        for (std::size_t k = 0; k < 10; ++k)
            r.CourtHistory[k] = std::to_string(rng() % 6);
        std::string answers;
        for (int i = 1; i <= ItemCount; ++i)
            answers += static_cast<char>('0' + rng() % (i <= 108 ? 3 : 5));
        r.Responses = answers;
        ClientTable[static_cast<std::size_t>(slot)] = r;
    }
    ClientCount = MaxClients;
}

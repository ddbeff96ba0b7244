// Writes a large account: 27 years of 100 categories and 1,000 predactions
// each, 135,016 transactions in all, 15,000 of them in 2024, the current
// year. Usage: make_large_account FILE
#include <cstdio>
#include <memory>

#include "data/account_file.h"
#include "large_account.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return 2;
  }
  auto book = std::make_unique<purso::CAccountBook>();
  purso::bench::FillLargeAccount(*book, purso::bench::LargeAccountShape{});
  if (!purso::StoreAccountFile(argv[1], *book)) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}

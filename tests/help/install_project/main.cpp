// Stand-in for the programs in the install layout test: does nothing.
int main() { return 0; }

echo

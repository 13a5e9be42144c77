# Sourced by the release tests: make_product FOLDER fills FOLDER with a small
# product: a binary and a text file for "kq", the sample pages for "ch", and
# the licence text, a page picture and an OEM setup.ini beside setup.exe.
make_product() {
  local folder=$1
  mkdir -p "$folder/kq" "$folder/ch"
  head -c 40000 /dev/zero | tr '\0' 'K' >"$folder/kq/kq.exe"
  printf 'notes\r\n' >"$folder/kq/readme.txt"
  cp "$root"/samples/ch/*.html "$folder/ch/"
  printf 'The licence.\r\n' >"$folder/agreement.txt"
  printf '[Kq]\r\nOEMProductName=Ovistra OEM\r\n' >"$folder/setup.ini"
  convert -size 168x224 gradient:'#2040a0-#a0c0ff' "$folder/KQSetup2.jpg"
}

# Writes an assembler file that pulls each picture in with .incbin, and a
# table naming them: { "Speen_normal", begin, end }. Cheap to compile.
function(klev_embed_pictures files asm_out table_out)
  set(asm "    .section .rodata\n")
  set(decl "")
  set(rows "")
  set(i 0)
  foreach(f ${files})
    get_filename_component(stem ${f} NAME_WE)
    string(APPEND asm "    .global klev_pic_${i}_begin\n    .global klev_pic_${i}_end\n    .balign 16\nklev_pic_${i}_begin:\n    .incbin \"${f}\"\nklev_pic_${i}_end:\n")
    string(APPEND decl "extern const unsigned char klev_pic_${i}_begin[];\nextern const unsigned char klev_pic_${i}_end[];\n")
    string(APPEND rows "    {\"${stem}\", klev_pic_${i}_begin, klev_pic_${i}_end},\n")
    math(EXPR i "${i} + 1")
  endforeach()
  string(APPEND asm "    .section .note.GNU-stack,\"\",@progbits\n")
  file(CONFIGURE OUTPUT ${asm_out} CONTENT "${asm}")
  file(CONFIGURE OUTPUT ${table_out} CONTENT
"// Generated: the program's own pictures.
#include \"shell/embedded_pictures.h\"
extern \"C\" {
${decl}}
namespace klev {
const std::vector<EmbeddedPicture>& EmbeddedPictures() {
    static const std::vector<EmbeddedPicture> table = {
${rows}    };
    return table;
}
}  // namespace klev
")
  set_source_files_properties(${asm_out} PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()

# What Quillsey is, whatever the language: the OARS money-gambling level of
# its metadata, moderate where the player stakes play money, mild where dice
# only add up prizes. Its texts, one file a language, are in descriptions/.

set(rating moderate)
